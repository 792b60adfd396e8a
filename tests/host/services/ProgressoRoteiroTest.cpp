#include "host/ProgressoRoteiro.h"

#include <QObject>

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;
using Chamada = ProgressoRoteiro::Chamada;

TEST(ProgressoRoteiro, RecordsEveryCallWithItsArguments)
{
    ProgressoRoteiro roteiro;
    QObject janela;
    roteiro.MostrarSimples(&janela);
    roteiro.ConfigurarBtnCancel([] {});
    roteiro.SetEhCircular(true);
    roteiro.IncProgressoTotal(u"Emp: 3 recalc"_s, 0);
    roteiro.LimparExibirCountTotal();

    const std::vector<Chamada> esperadas{
        {u"MostrarSimples"_s, {QVariant::fromValue(&janela)}},
        {u"ConfigurarBtnCancel"_s, {true}},
        {u"SetEhCircular"_s, {true}},
        {u"IncProgressoTotal"_s, {u"Emp: 3 recalc"_s, 0}},
        {u"LimparExibirCountTotal"_s, {}},
    };
    EXPECT_EQ(roteiro.chamadas(), esperadas);
    EXPECT_EQ(roteiro.linhas(), QStringList{u"Emp: 3 recalc"_s});
}

TEST(ProgressoRoteiro, CancelsWhenTheKthLineArrives)
{
    ProgressoRoteiro roteiro;
    int linhas = 0;
    int linhaDoCancelamento = 0;
    roteiro.ConfigurarBtnCancel([&] { linhaDoCancelamento = linhas; });
    roteiro.cancelarNaLinha(3);
    for (linhas = 1; linhas <= 5; ++linhas) {
        roteiro.IncProgressoTotal(u"linha"_s, 100);
    }
    EXPECT_EQ(linhaDoCancelamento, 3);
    // The handler's configuration, three lines, then the cancel.
    EXPECT_EQ(roteiro.chamadas()[4].metodo, u"Cancelar"_s);
}

TEST(ProgressoRoteiro, CancelsOnLinesContainingAText)
{
    ProgressoRoteiro roteiro;
    QStringList canceladas;
    QString atual;
    roteiro.ConfigurarBtnCancel([&] { canceladas.append(atual); });
    roteiro.cancelarQuandoContiver(u"Dados do Movimento"_s);
    for (const QString& texto : {u"Emp: 1 inicio Repl"_s, u"Dados do Movimento: 4"_s, u"Emp: 1 fim Repl"_s}) {
        atual = texto;
        roteiro.IncProgressoTotal(texto, 0);
    }
    EXPECT_EQ(canceladas, QStringList{u"Dados do Movimento: 4"_s});
}

}  // namespace
}  // namespace host
