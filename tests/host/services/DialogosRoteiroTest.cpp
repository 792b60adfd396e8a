#include "host/DialogosConsole.h"
#include "host/DialogosRoteiro.h"
#include "host/HostError.h"

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;

const QStringList simNao{u"Sim"_s, u"Não"_s};

TEST(DialogosRoteiro, AnswersInQueueOrderAndRecordsWhatWasShown)
{
    DialogosRoteiro roteiro;
    roteiro.responderBotao(1);
    roteiro.responderBotao(u"Sim"_s);
    roteiro.mostrarMensagem(u"Olá"_s, TipoMensagem::Informacao);

    EXPECT_EQ(roteiro.perguntar(u"Primeira?"_s, TipoMensagem::Aviso, simNao, {}), 1);
    EXPECT_EQ(roteiro.perguntar(u"Segunda?"_s, TipoMensagem::Confirmacao, simNao, {}), 0);
    EXPECT_FALSE(roteiro.respostasPendentes());
    ASSERT_EQ(roteiro.exibidos().size(), 3u);
    EXPECT_EQ(roteiro.exibidos()[2].dialogo, DialogosRoteiro::Dialogo::Pergunta);
    EXPECT_EQ(roteiro.exibidos()[2].tipo, TipoMensagem::Confirmacao);
    EXPECT_EQ(roteiro.exibidos()[2].botoes, simNao);
    EXPECT_EQ(roteiro.textos(), (QStringList{u"Olá"_s, u"Primeira?"_s, u"Segunda?"_s}));
}

TEST(DialogosRoteiro, QuestionWithoutAFittingAnswerRaisesInsteadOfGuessing)
{
    DialogosRoteiro roteiro;
    try {
        roteiro.perguntar(u"Continuar?"_s, TipoMensagem::Aviso, simNao, {});
        FAIL() << "pergunta sem resposta deveria falhar";
    } catch (const HostError& erro) {
        EXPECT_EQ(erro.message(), u"Pergunta sem resposta: Continuar?"_s);
    }
    roteiro.responderTexto(u"10"_s);
    EXPECT_THROW(roteiro.perguntar(u"?"_s, TipoMensagem::Aviso, simNao, {}), HostError);
    EXPECT_TRUE(roteiro.respostasPendentes()) << "a resposta que não serviu continua na fila";

    DialogosRoteiro outro;
    outro.responderBotao(2);
    outro.responderBotao(u"Talvez"_s);
    EXPECT_THROW(outro.perguntar(u"?"_s, TipoMensagem::Aviso, simNao, {}), HostError);
    EXPECT_THROW(outro.perguntar(u"?"_s, TipoMensagem::Aviso, simNao, {}), HostError);
}

TEST(DialogosRoteiro, TextAndFileDialogsTakeTheAnswerOrCancel)
{
    DialogosRoteiro roteiro;
    roteiro.responderTexto(u"120"_s);
    roteiro.responderCancelar();
    roteiro.responderArquivo(u"/tmp/a.nxs"_s);
    roteiro.responderCancelar();

    QString largura = u"64"_s;
    EXPECT_TRUE(roteiro.pedirTexto(u"Coluna"_s, u"Largura em pixel:"_s, largura));
    EXPECT_EQ(largura, u"120"_s);
    EXPECT_FALSE(roteiro.pedirTexto(u"Coluna"_s, u"Largura em pixel:"_s, largura));
    EXPECT_EQ(largura, u"120"_s);
    EXPECT_EQ(roteiro.exibidos()[0].botoes, QStringList{u"64"_s}) << "valor oferecido";
    EXPECT_EQ(roteiro.selecionarArquivo({}, u"*.nxs"_s, true), u"/tmp/a.nxs"_s);
    EXPECT_TRUE(roteiro.selecionarArquivo({}, u"*.nxs"_s, false).isEmpty());
    EXPECT_TRUE(roteiro.exibidos()[2].salvar);
}

TEST(Dialogos, FreeFunctionsGoToTheInstalledImplementation)
{
    auto roteiro = std::make_unique<DialogosRoteiro>();
    DialogosRoteiro& instalado = *roteiro;
    instalado.responderBotao(1);
    instalado.responderTexto(u"novo"_s);
    instalado.responderArquivo(u"/tmp/b.xls"_s);
    instalarDialogos(std::move(roteiro));

    nShowMessage(u"aviso"_s);
    EXPECT_EQ(nMessageDlg(u"Salvar?"_s, TipoMensagem::Confirmacao, {u"Sim"_s, u"Nao"_s}), 1);
    QString valor;
    EXPECT_TRUE(nInputQuery(u"t"_s, u"p"_s, valor));
    EXPECT_EQ(valor, u"novo"_s);
    EXPECT_EQ(SelecionarArquivo({}, u"*.xls"_s, false), u"/tmp/b.xls"_s);
    MostrarAjuda(u"Darvelo.chm"_s, u"Vandrel.htm"_s);
    EXPECT_EQ(instalado.exibidos().size(), 5u);

    instalarDialogos(nullptr);
    EXPECT_NE(dynamic_cast<DialogosConsole*>(&dialogos()), nullptr) << "nulo devolve a implementação de console";
}

}  // namespace
}  // namespace host
