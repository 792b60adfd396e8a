#include "host/ProgressoConsole.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>

namespace host {
namespace {

using namespace Qt::StringLiterals;
using std::chrono::milliseconds;

const QString apagarResto = u"\x1b[K"_s;

QString movimento(int i)
{
    return u"Dados do Movimento: %1"_s.arg(i);
}

// A frame writing into a buffer, on a clock the test moves by hand.
class ProgressoConsoleTest : public ::testing::Test {
protected:
    void SetUp() override { saida.open(QIODevice::WriteOnly); }

    std::unique_ptr<ProgressoConsole> frame(bool terminal)
    {
        return std::make_unique<ProgressoConsole>(saida, terminal, [this] { return agora; });
    }
    QString escrito() const { return QString::fromUtf8(saida.data()); }

    QBuffer saida;
    milliseconds agora{1000};
};

TEST_F(ProgressoConsoleTest, OffTerminalARunIsSummarisedWhenAStepLineComes)
{
    auto progresso = frame(false);
    progresso->IncProgressoTotal(u"Emp: 12 inicio Repl"_s, 0);
    for (int i = 1; i <= 340; ++i) {
        progresso->IncProgressoTotal(movimento(i), 100);
    }
    EXPECT_EQ(escrito(), u"Emp: 12 inicio Repl\n"_s) << "nada da sequência antes de ela acabar";

    progresso->IncProgressoTotal(u"Emp: 12 fim Repl"_s, 0);
    EXPECT_EQ(escrito(), u"Emp: 12 inicio Repl\n"_s + movimento(340) + u" (\u00d7340)\nEmp: 12 fim Repl\n"_s);
}

TEST_F(ProgressoConsoleTest, RunAlsoEndsAtClearAndAtDestruction)
{
    auto progresso = frame(false);
    progresso->IncProgressoTotal(u"Inicio Repl. Total Linhas: 8"_s, 100);
    progresso->IncProgressoTotal(u"Inicio Repl. Total Linhas: 9"_s, 100);
    progresso->LimparExibirCountTotal();
    progresso->LimparExibirCountTotal();
    progresso->IncProgressoTotal(movimento(5), 100);
    progresso.reset();
    // A run of one line is that line.
    EXPECT_EQ(escrito(), u"Inicio Repl. Total Linhas: 9 (\u00d72)\n"_s + movimento(5) + u'\n');
}

TEST_F(ProgressoConsoleTest, OnTerminalStatusLineIsRewrittenAtMostTenTimesASecond)
{
    auto progresso = frame(true);
    // 1000 lines 2 ms apart: two seconds, so twenty rewrites.
    for (int i = 1; i <= 1000; ++i) {
        progresso->IncProgressoTotal(movimento(i), 100);
        agora += milliseconds(2);
    }
    const QString durante = escrito();
    EXPECT_EQ(durante.count(u'\r'), 20);
    EXPECT_FALSE(durante.contains(u'\n'));
    EXPECT_TRUE(durante.startsWith(u'\r' + movimento(1) + apagarResto));
    EXPECT_TRUE(durante.contains(u'\r' + movimento(51) + apagarResto));
    EXPECT_FALSE(durante.contains(u'\r' + movimento(50) + apagarResto));

    progresso->IncProgressoTotal(u"Emp: 1 fim Repl"_s, 0);
    EXPECT_EQ(escrito().mid(durante.size()),
              u'\r' + movimento(1000) + u" (\u00d71000)"_s + apagarResto + u"\nEmp: 1 fim Repl\n"_s);
}

TEST_F(ProgressoConsoleTest, OnTerminalANewRunIsShownAtOnce)
{
    auto progresso = frame(true);
    for (int i = 1; i <= 50; ++i) {
        progresso->IncProgressoTotal(movimento(i), 100);
    }
    EXPECT_EQ(escrito(), u'\r' + movimento(1) + apagarResto) << "o relógio parado segura as reescritas";
    progresso->LimparExibirCountTotal();
    progresso->IncProgressoTotal(u"outra"_s, 100);
    EXPECT_TRUE(escrito().endsWith(u'\r' + movimento(50) + u" (\u00d750)"_s + apagarResto + u"\n\routra"_s +
                                   apagarResto));
}

TEST(ProgressoConsoleArquivo, FileThatIsNoTerminalGetsSummaries)
{
    FILE* arquivo = std::tmpfile();
    ASSERT_NE(arquivo, nullptr);
    {
        ProgressoConsole progresso(arquivo);
        progresso.IncProgressoTotal(u"Configurações iniciais"_s, 0);
        progresso.IncProgressoTotal(u"a"_s, 100);
        progresso.IncProgressoTotal(u"b"_s, 100);
    }
    std::rewind(arquivo);
    QFile leitura;
    ASSERT_TRUE(leitura.open(arquivo, QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(leitura.readAll()), u"Configurações iniciais\nb (\u00d72)\n"_s);
    leitura.close();
    std::fclose(arquivo);
}

}  // namespace
}  // namespace host
