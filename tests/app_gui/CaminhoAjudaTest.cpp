#include "AplicacaoTeste.h"

#include "ajuda/CaminhoAjuda.h"
#include "ajuda/GeradorAjuda.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using ajuda::CaminhoAjuda;
using ajuda::GeradorAjuda;

class CaminhoAjudaTeste : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(raiz.isValid()); }

    QString caminho(const QString& relativo) const { return raiz.filePath(relativo); }
    QString chm() const { return caminho(QStringLiteral("programa/Darvelo.chm")); }
    QString cache() const { return caminho(QStringLiteral("cache/ajuda")); }
    QString indiceDoCache() const { return QDir(cache()).filePath(GeradorAjuda::indice()); }

    QTemporaryDir raiz;
};

TEST_F(CaminhoAjudaTeste, SemAjudaInstaladaGeraNoCache)
{
    EXPECT_EQ(CaminhoAjuda::resolver(chm(), cache(), QDateTime::currentDateTime().addDays(-1)), cache());
    EXPECT_TRUE(QFile::exists(indiceDoCache()));
}

TEST_F(CaminhoAjudaTeste, AjudaInstaladaAoLadoDoProgramaTemPreferencia)
{
    const QString instalada = caminho(QStringLiteral("programa/ajuda"));
    GeradorAjuda::gerar(instalada);
    EXPECT_EQ(QFileInfo(CaminhoAjuda::resolver(chm(), cache(), QDateTime::currentDateTime())).canonicalFilePath(),
              QFileInfo(instalada).canonicalFilePath());
    EXPECT_FALSE(QFile::exists(indiceDoCache()));
}

TEST_F(CaminhoAjudaTeste, CacheMaisAntigoQueOProgramaEGeradoDeNovo)
{
    QDir().mkpath(cache());
    QFile antigo(indiceDoCache());
    ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
    antigo.write("antigo");
    antigo.flush();
    antigo.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime);
    antigo.close();

    CaminhoAjuda::resolver(chm(), cache(), QDateTime::currentDateTime().addDays(-3));
    QFile atual(indiceDoCache());
    ASSERT_TRUE(atual.open(QIODevice::ReadOnly));
    EXPECT_EQ(atual.readAll(), QByteArray("antigo"));
    atual.close();

    CaminhoAjuda::resolver(chm(), cache(), QDateTime::currentDateTime().addDays(-1));
    ASSERT_TRUE(atual.open(QIODevice::ReadOnly));
    EXPECT_NE(atual.readAll(), QByteArray("antigo"));
}

}  // namespace
