#include "host/TnDialogos.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;

class CopyFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }

    QString em(const QString& nome) const { return pasta.filePath(nome); }
    void gravar(const QString& nome, const QByteArray& conteudo)
    {
        QFile arquivo(em(nome));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        ASSERT_EQ(arquivo.write(conteudo), conteudo.size());
    }
    QByteArray ler(const QString& nome) const
    {
        QFile arquivo(em(nome));
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }
    // Hidden files included, so a temporary copy left behind would show.
    QStringList arquivos() const
    {
        return QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir pasta;
};

TEST_F(CopyFileTest, CopiesTheWholeContent)
{
    // Larger than one copy block and not a whole number of them, with every
    // byte value, so truncation or text-mode translation would show.
    QByteArray dados(700 * 1024 + 17, Qt::Uninitialized);
    QRandomGenerator gerador(42);
    for (char& byte : dados) {
        byte = char(gerador.bounded(256));
    }
    gravar(u"a.nxs"_s, dados);
    gravar(u"vazio"_s, {});

    ASSERT_TRUE(CopyFile(em(u"a.nxs"_s), em(u"a.nxs.bak"_s), false));
    ASSERT_TRUE(CopyFile(em(u"vazio"_s), em(u"copia"_s), true));
    EXPECT_EQ(ler(u"a.nxs.bak"_s), dados);
    EXPECT_EQ(arquivos(), (QStringList{u"a.nxs"_s, u"a.nxs.bak"_s, u"copia"_s, u"vazio"_s}));
}

TEST_F(CopyFileTest, ReplacesTheDestinationOnlyWhenAllowed)
{
    gravar(u"novo"_s, "conteúdo novo");
    gravar(u"velho"_s, "um conteúdo antigo e mais longo que o novo");

    EXPECT_FALSE(CopyFile(em(u"novo"_s), em(u"velho"_s), true));
    EXPECT_EQ(ler(u"velho"_s), QByteArray("um conteúdo antigo e mais longo que o novo"));
    EXPECT_TRUE(CopyFile(em(u"novo"_s), em(u"velho"_s), false));
    EXPECT_EQ(ler(u"velho"_s), QByteArray("conteúdo novo"));
    EXPECT_TRUE(CopyFile(em(u"novo"_s), em(u"novo"_s), false));
    EXPECT_EQ(ler(u"novo"_s), QByteArray("conteúdo novo"));
    EXPECT_EQ(arquivos(), (QStringList{u"novo"_s, u"velho"_s}));
}

TEST_F(CopyFileTest, FailsWithoutLeavingAnythingBehind)
{
    gravar(u"origem"_s, "dados");
    gravar(u"destino"_s, "intacto");
    QDir(pasta.path()).mkdir(u"pasta"_s);
    const QStringList antes = arquivos();

    for (const bool falharSeExiste : {false, true}) {
        EXPECT_FALSE(CopyFile(em(u"ausente"_s), em(u"destino"_s), falharSeExiste));
        EXPECT_FALSE(CopyFile(em(u"ausente"_s), em(u"outro"_s), falharSeExiste));
        EXPECT_FALSE(CopyFile(em(u"pasta"_s), em(u"outro"_s), falharSeExiste));
        EXPECT_FALSE(CopyFile(em(u"origem"_s), em(u"sem/pasta/x"_s), falharSeExiste));
        EXPECT_FALSE(CopyFile(em(u"origem"_s), em(u"pasta"_s), falharSeExiste));
        EXPECT_FALSE(CopyFile(em(u"origem"_s), QString(), falharSeExiste));
    }
    EXPECT_EQ(arquivos(), antes);
    EXPECT_EQ(ler(u"destino"_s), QByteArray("intacto"));
    EXPECT_TRUE(QDir(em(u"pasta"_s)).isEmpty());
}

TEST_F(CopyFileTest, CopyHasTheSourcesPermissions)
{
    const QFileDevice::Permissions executavel = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                                QFileDevice::WriteUser | QFileDevice::ExeUser;
    gravar(u"script"_s, "#!/bin/sh\n");
    ASSERT_TRUE(QFile::setPermissions(em(u"script"_s), executavel));
    gravar(u"existente"_s, "x");

    ASSERT_TRUE(CopyFile(em(u"script"_s), em(u"nova"_s), true));
    ASSERT_TRUE(CopyFile(em(u"script"_s), em(u"existente"_s), false));
    EXPECT_EQ(QFile::permissions(em(u"nova"_s)), executavel);
    EXPECT_EQ(QFile::permissions(em(u"existente"_s)), executavel);
}

}  // namespace
}  // namespace host
