// The report's outputs and Ctrl+C: written all or nothing, up to the moment
// they are put in place.
#include "Interrupcao.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

void gravarTexto(const QString& caminho)
{
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write("relatório");
}

class SaidaRelatorioTest : public ::testing::Test {
protected:
    QStringList arquivos() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QString caminho(const QString& nome) const { return dir.filePath(nome); }

    // Writes a.nxs and b.xlsx, with Ctrl+C pressed while file number
    // `interromperNo` is written (0: never), and commits them.
    bool gravarDois(int interromperNo)
    {
        relatorio::SaidaRelatorio saida(Interrupcao::vigilancia());
        int escritos = 0;
        const auto escrita = [&](const QString& temporario) {
            gravarTexto(temporario);
            if (++escritos == interromperNo) {
                std::raise(SIGINT);
            }
        };
        saida.escrever(caminho(QStringLiteral("a.nxs")), escrita);
        saida.escrever(caminho(QStringLiteral("b.xlsx")), escrita);
        return saida.confirmar();
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(SaidaRelatorioTest, CtrlCBeforeTheCommitLeavesNothing)
{
    for (int arquivo : {1, 2}) {
        const Interrupcao interrupcao;
        EXPECT_FALSE(gravarDois(arquivo)) << arquivo;
        EXPECT_TRUE(Interrupcao::pedida());
        EXPECT_TRUE(arquivos().isEmpty()) << arquivo << ": " << arquivos().join(u' ').toStdString();
    }
}

TEST_F(SaidaRelatorioTest, WithoutCtrlCEveryFileIsPutInPlace)
{
    const Interrupcao interrupcao;
    EXPECT_TRUE(gravarDois(0));
    EXPECT_EQ(arquivos(), (QStringList{"a.nxs", "b.xlsx"}));
}

TEST_F(SaidaRelatorioTest, ASecondCtrlCEndsAtOnceAndRemovesTheTemporaryFiles)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const Interrupcao interrupcao;
            relatorio::SaidaRelatorio saida(Interrupcao::vigilancia());
            saida.escrever(caminho(QStringLiteral("a.nxs")), [](const QString& temporario) {
                gravarTexto(temporario);
                std::raise(SIGINT);
                std::raise(SIGINT);
            });
        },
        ::testing::ExitedWithCode(130), "Nada foi gravado");
    EXPECT_TRUE(arquivos().isEmpty()) << arquivos().join(u' ').toStdString();
}
