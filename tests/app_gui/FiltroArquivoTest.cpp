#include "gui/FiltroArquivo.h"

#include <gtest/gtest.h>

using gui::FiltroArquivo;

TEST(FiltroArquivo, ParesViramFiltrosDoQt)
{
    const std::pair<const char*, const char*> casos[] = {
        {"Planilhas do Darvelo|*.nxs|Microsoft Excel 97 e anteriores|*.xls",
         "Planilhas do Darvelo (*.nxs);;Microsoft Excel 97 e anteriores (*.xls)"},
        {"Planilhas|*.nxs; *.xls|Todos|*.*", "Planilhas (*.nxs *.xls);;Todos (*.*)"},  // several patterns in a pair
        {"Planilhas|*.nxs|Sobra", "Planilhas (*.nxs)"},                               // a description without one
    };
    for (const auto& [pares, filtro] : casos) {
        EXPECT_EQ(FiltroArquivo::paraQt(QString::fromUtf8(pares)), QString::fromUtf8(filtro)) << pares;
    }
    EXPECT_TRUE(FiltroArquivo::paraQt(QString()).isEmpty());
}

TEST(FiltroArquivo, ExtensaoPadraoDoPrimeiroPadraoConcreto)
{
    EXPECT_EQ(FiltroArquivo::extensaoPadrao(QStringLiteral("Planilhas do Darvelo (*.nxs)")), QStringLiteral("nxs"));
    EXPECT_EQ(FiltroArquivo::extensaoPadrao(QStringLiteral("Excel (*.xls *.xlsx)")), QStringLiteral("xls"));
    EXPECT_TRUE(FiltroArquivo::extensaoPadrao(QStringLiteral("Todos (*.*)")).isEmpty());
    EXPECT_TRUE(FiltroArquivo::extensaoPadrao(QStringLiteral("Todos (*)")).isEmpty());
}

TEST(FiltroArquivo, SalvarAcrescentaExtensaoSoQuandoFalta)
{
    const QString filtro = QStringLiteral("Planilhas do Darvelo (*.nxs)");
    EXPECT_EQ(FiltroArquivo::comExtensao(QStringLiteral("/tmp/relatorio"), filtro), QStringLiteral("/tmp/relatorio.nxs"));
    EXPECT_EQ(FiltroArquivo::comExtensao(QStringLiteral("/tmp/relatorio.xls"), filtro),
              QStringLiteral("/tmp/relatorio.xls"));
    EXPECT_EQ(FiltroArquivo::comExtensao(QStringLiteral("/tmp/pasta.v2/relatorio"), filtro),
              QStringLiteral("/tmp/pasta.v2/relatorio.nxs"));
    EXPECT_TRUE(FiltroArquivo::comExtensao(QString(), filtro).isEmpty());
}
