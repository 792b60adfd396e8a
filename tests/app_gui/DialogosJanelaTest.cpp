#include "AplicacaoTeste.h"

#include "ajuda/GeradorAjuda.h"
#include "ajuda/JanelaAjuda.h"
#include "gui/DialogosJanela.h"
#include "gui/TituloPrograma.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>

namespace {

using host::TipoMensagem;

QPushButton* botaoComLegenda(QWidget* caixa, const QString& legenda)
{
    for (QPushButton* botao : caixa->findChildren<QPushButton*>()) {
        if (botao->text() == legenda) {
            return botao;
        }
    }
    return nullptr;
}

class DialogosJanelaTeste : public ::testing::Test {
protected:
    gui::DialogosJanela dialogos;
};

TEST_F(DialogosJanelaTeste, PerguntarDevolveOIndiceDoBotaoPressionado)
{
    const QStringList botoes{QStringLiteral("Sim"), QStringLiteral("Não"), QStringLiteral("Cancelar")};
    QString titulo;
    QStringList ordemNaTela;
    aoAbrirModal([&](QWidget* caixa) {
        titulo = caixa->windowTitle();
        QList<QPushButton*> visiveis = caixa->findChildren<QPushButton*>();
        std::sort(visiveis.begin(), visiveis.end(),
                  [](QPushButton* a, QPushButton* b) { return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x(); });
        for (QPushButton* botao : visiveis) {
            ordemNaTela.append(botao->text());
        }
        QTest::mouseClick(botaoComLegenda(caixa, QStringLiteral("Não")), Qt::LeftButton);
    });
    EXPECT_EQ(dialogos.perguntar(QStringLiteral("Salvar as alterações?"), TipoMensagem::Confirmacao, botoes, {}), 1);
    EXPECT_EQ(titulo, gui::tituloPrograma());
    aoAbrirModal([&](QWidget* caixa) {
        titulo = caixa->windowTitle();
        QTest::keyClick(caixa, Qt::Key_Escape);
    });
    // Closed without a button, the answer is the last one.
    EXPECT_EQ(dialogos.perguntar(QStringLiteral("Salvar?"), TipoMensagem::Aviso, botoes, QStringLiteral("Pasta2")), 2);
    EXPECT_EQ(titulo, QStringLiteral("Pasta2"));
    EXPECT_EQ(ordemNaTela, botoes);
}

TEST_F(DialogosJanelaTeste, MensagemTemUmBotaoOK)
{
    int botoes = 0;
    aoAbrirModal([&](QWidget* caixa) {
        botoes = int(caixa->findChildren<QPushButton*>().size());
        QTest::mouseClick(botaoComLegenda(caixa, QStringLiteral("OK")), Qt::LeftButton);
    });
    dialogos.mostrarMensagem(QStringLiteral("Pronto."), TipoMensagem::Informacao);
    EXPECT_EQ(botoes, 1);
}

TEST_F(DialogosJanelaTeste, PedirTextoDevolveARespostaSoNoOK)
{
    QString valor = QStringLiteral("Plan1");
    QString oferecido;
    aoAbrirModal([&](QWidget* janela) {
        auto* caixa = qobject_cast<QInputDialog*>(janela);
        oferecido = caixa->textValue();
        caixa->setTextValue(QStringLiteral("Resumo"));
        caixa->accept();
    });
    EXPECT_TRUE(dialogos.pedirTexto(QStringLiteral("Renomear"), QStringLiteral("Nome da planilha:"), valor));
    EXPECT_EQ(oferecido, QStringLiteral("Plan1"));
    EXPECT_EQ(valor, QStringLiteral("Resumo"));

    aoAbrirModal([](QWidget* janela) { qobject_cast<QInputDialog*>(janela)->reject(); });
    EXPECT_FALSE(dialogos.pedirTexto(QStringLiteral("Renomear"), QStringLiteral("Nome da planilha:"), valor));
    EXPECT_EQ(valor, QStringLiteral("Resumo"));
}

TEST_F(DialogosJanelaTeste, SalvarUsaOFiltroConvertidoEAcrescentaAExtensao)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QStringList filtros;
    aoAbrirModal([&](QWidget* janela) {
        auto* caixa = qobject_cast<QFileDialog*>(janela);
        filtros = caixa->nameFilters();
        caixa->setDirectory(pasta.path());
        caixa->selectFile(QStringLiteral("relatorio"));
        static_cast<QDialog*>(caixa)->accept();
    });
    const QString escolhido = dialogos.selecionarArquivo(
        QStringLiteral("Salvar"), QStringLiteral("Planilhas do Darvelo|*.nxs|Microsoft Excel 97 e anteriores|*.xls"),
        true);
    EXPECT_EQ(filtros, (QStringList{QStringLiteral("Planilhas do Darvelo (*.nxs)"),
                                    QStringLiteral("Microsoft Excel 97 e anteriores (*.xls)")}));
    EXPECT_EQ(escolhido, pasta.filePath(QStringLiteral("relatorio.nxs")));
}

TEST_F(DialogosJanelaTeste, AjudaMostraAPaginaPedidaComOIndiceComoInicio)
{
    QTemporaryDir programa;
    ASSERT_TRUE(programa.isValid());
    ajuda::GeradorAjuda::gerar(programa.filePath(QStringLiteral("ajuda")));
    dialogos.mostrarAjuda(programa.filePath(QStringLiteral("Darvelo.chm")), QStringLiteral("fpaGPS.htm"));
    ASSERT_NE(dialogos.janelaAjuda(), nullptr);
    QTextBrowser* navegador = dialogos.janelaAjuda()->navegador();
    EXPECT_TRUE(navegador->source().path().endsWith(QStringLiteral("/fpaGPS.htm")));
    EXPECT_TRUE(navegador->toPlainText().contains(QStringLiteral("fpaGPS")));
    navegador->home();
    EXPECT_TRUE(navegador->source().path().endsWith(QStringLiteral("/Vandrel.htm")));
    navegador->backward();
    EXPECT_TRUE(navegador->source().path().endsWith(QStringLiteral("/fpaGPS.htm")));
}

}  // namespace
