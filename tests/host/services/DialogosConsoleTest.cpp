#include "host/DialogosConsole.h"
#include "host/HostError.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;

const QStringList simNao{u"Sim"_s, u"Não"_s};

// A console whose user types the given lines.
class DialogosConsoleTest : public ::testing::Test {
protected:
    DialogosConsole& console(const QByteArray& digitado, bool interativo = true)
    {
        entradaBytes = digitado;
        entrada.setBuffer(&entradaBytes);
        entrada.open(QIODevice::ReadOnly);
        saida.open(QIODevice::WriteOnly);
        dialogo = std::make_unique<DialogosConsole>(entrada, saida, interativo);
        return *dialogo;
    }
    QString escrito() const { return QString::fromUtf8(saida.data()); }

    QByteArray entradaBytes;
    QBuffer entrada;
    QBuffer saida;
    std::unique_ptr<DialogosConsole> dialogo;
};

TEST_F(DialogosConsoleTest, ButtonIsChosenByNumberFromOneOrByCaption)
{
    DialogosConsole& d = console("2\nnão\r\n");
    d.mostrarMensagem(u"Concluído"_s, TipoMensagem::Informacao);
    EXPECT_EQ(d.perguntar(u"Salvar?"_s, TipoMensagem::Confirmacao, simNao, {}), 1);
    EXPECT_EQ(d.perguntar(u"Salvar?"_s, TipoMensagem::Confirmacao, simNao, {}), 1);
    EXPECT_TRUE(escrito().startsWith(u"Concluído\n"_s));
    EXPECT_TRUE(escrito().contains(u"2) Não"_s));
}

TEST_F(DialogosConsoleTest, InvalidAnswersAreAskedAgainUntilTheInputEnds)
{
    DialogosConsole& d = console("talvez\n3\n0\n sim \nnunca\n");
    EXPECT_EQ(d.perguntar(u"Salvar?"_s, TipoMensagem::Aviso, simNao, {}), 0);
    EXPECT_EQ(escrito().count(u"Resposta inválida."_s), 3);
    try {
        d.perguntar(u"Salvar?"_s, TipoMensagem::Aviso, simNao, {});
        FAIL() << "fim da entrada deveria falhar";
    } catch (const HostError& erro) {
        EXPECT_EQ(erro.message(), u"Pergunta sem resposta: Salvar?"_s);
    }
}

TEST_F(DialogosConsoleTest, WithoutTerminalQuestionsRaiseAndNothingIsRead)
{
    DialogosConsole& d = console("1\n", false);
    EXPECT_THROW(d.perguntar(u"Salvar?"_s, TipoMensagem::Aviso, simNao, {}), HostError);
    QString valor = u"10"_s;
    try {
        d.pedirTexto(u"Coluna"_s, u"Largura em pixel:"_s, valor);
        FAIL() << "sem terminal, pedirTexto deveria falhar";
    } catch (const HostError& erro) {
        EXPECT_EQ(erro.message(), u"Pergunta sem resposta: Largura em pixel:"_s);
    }
    EXPECT_THROW(d.selecionarArquivo({}, u"*.nxs"_s, false), HostError);
    EXPECT_EQ(valor, u"10"_s);
    EXPECT_EQ(entrada.pos(), 0);
}

TEST_F(DialogosConsoleTest, EmptyLineKeepsTheOfferedTextAndMeansNoFile)
{
    DialogosConsole& d = console("\n250\n/tmp/x.nxs\n\n");
    QString valor = u"64"_s;
    EXPECT_TRUE(d.pedirTexto(u"Coluna"_s, u"Largura em pixel:"_s, valor));
    EXPECT_EQ(valor, u"64"_s);
    EXPECT_TRUE(d.pedirTexto(u"Coluna"_s, u"Largura em pixel:"_s, valor));
    EXPECT_EQ(valor, u"250"_s);
    EXPECT_EQ(d.selecionarArquivo({}, u"*.nxs"_s, false), u"/tmp/x.nxs"_s);
    EXPECT_TRUE(d.selecionarArquivo({}, u"*.nxs"_s, true).isEmpty());
    // At the end of the input a text box is cancelled and no file is chosen.
    EXPECT_FALSE(d.pedirTexto(u"Coluna"_s, u"Largura em pixel:"_s, valor));
    EXPECT_EQ(valor, u"250"_s);
    EXPECT_TRUE(d.selecionarArquivo({}, u"*.nxs"_s, true).isEmpty());
}

}  // namespace
}  // namespace host
