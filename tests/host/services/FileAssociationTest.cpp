#include "host/FileAssociation.h"
#include "host/HostError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;

// Sets an environment variable for one scope and puts the old value back.
class AmbienteTemporario {
public:
    AmbienteTemporario(const char* nome, const QString& valor)
        : FNome(nome), FDefinida(qEnvironmentVariableIsSet(nome)), FAntigo(qgetenv(nome))
    {
        qputenv(nome, valor.toLocal8Bit());
    }
    ~AmbienteTemporario() { FDefinida ? qputenv(FNome, FAntigo) : qunsetenv(FNome); }

private:
    const char* FNome;
    bool FDefinida;
    QByteArray FAntigo;
};

// The user's data folder is a temporary one, and the cache programs are
// stand-ins that note the folder they were given.
class FileAssociationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        QDir().mkpath(pasta.filePath(u"bin"_s));
        criarPrograma(u"update-mime-database"_s);
        criarPrograma(u"update-desktop-database"_s);
    }
    void criarPrograma(const QString& nome)
    {
        QFile script(pasta.filePath(u"bin/"_s + nome));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(u"#!/bin/sh\necho \"%1 $1\" >> \"%2\"\n"_s.arg(nome, pasta.filePath(u"chamadas"_s)).toUtf8());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    QStringList chamadas() const
    {
        QFile arquivo(pasta.filePath(u"chamadas"_s));
        QStringList linhas = arquivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(arquivo.readAll()).split(u'\n')
                                                               : QStringList();
        linhas.removeAll(QString());
        QFile::remove(pasta.filePath(u"chamadas"_s));
        return linhas;
    }
    static QString ler(const QString& path)
    {
        QFile arquivo(path);
        return arquivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(arquivo.readAll()) : QString();
    }

    QTemporaryDir pasta;
    const QString dados = pasta.filePath(u"dados"_s);
    const QString desktop = dados + u"/applications/darvelo-planilhas.desktop"_s;
    const QString mime = dados + u"/mime/packages/darvelo-planilhas.xml"_s;
    AmbienteTemporario xdg{"XDG_DATA_HOME", dados};
    AmbienteTemporario path{"PATH", pasta.filePath(u"bin"_s)};
    AmbienteTemporario ligada{"DARVELO_SEM_ASSOCIACAO", u"0"_s};
    AmbienteTemporario sistema{"XDG_DATA_DIRS", pasta.filePath(u"sistema"_s)};
};

TEST_F(FileAssociationTest, InstallsDesktopEntryAndMimeTypeAndRefreshesTheirCaches)
{
    EXPECT_TRUE(AssociateExtensionCheck());

    const QStringList entrada = ler(desktop).split(u'\n');
    for (const QString& linha : {u"[Desktop Entry]"_s, u"Exec=darvelo-planilhas %f"_s,
                                 u"Name=Darvelo - Editor de Planilhas"_s, u"MimeType=application/x-darvelo-planilha;"_s}) {
        EXPECT_TRUE(entrada.contains(linha)) << linha.toStdString();
    }
    EXPECT_TRUE(ler(mime).contains(u"<mime-type type=\"application/x-darvelo-planilha\">"_s));
    EXPECT_TRUE(ler(mime).contains(u"<glob pattern=\"*.nxs\"/>"_s));
    EXPECT_EQ(chamadas(), (QStringList{u"update-desktop-database "_s + dados + u"/applications"_s,
                                       u"update-mime-database "_s + dados + u"/mime"_s}));
}

TEST_F(FileAssociationTest, InstallsOnlyWhatIsMissing)
{
    AssociateExtensionCheck();
    chamadas();
    QFile editado(desktop);
    ASSERT_TRUE(editado.open(QIODevice::WriteOnly));
    editado.write("editado pelo usuário");
    editado.close();

    EXPECT_FALSE(AssociateExtensionCheck());
    EXPECT_TRUE(chamadas().isEmpty());
    ASSERT_TRUE(QFile::remove(mime));
    EXPECT_TRUE(AssociateExtensionCheck());
    EXPECT_EQ(chamadas(), QStringList{u"update-mime-database "_s + dados + u"/mime"_s});
    EXPECT_EQ(ler(desktop), u"editado pelo usuário"_s);
}

TEST_F(FileAssociationTest, MissingCacheProgramsAreIgnored)
{
    AmbienteTemporario semProgramas("PATH", pasta.filePath(u"vazia"_s));
    EXPECT_TRUE(AssociateExtensionCheck());
    EXPECT_TRUE(QFileInfo::exists(desktop));
    EXPECT_TRUE(chamadas().isEmpty());
}

TEST_F(FileAssociationTest, SwitchedOffByParameterOrEnvironment)
{
    EXPECT_FALSE(AssociateExtensionCheck(false));
    AmbienteTemporario desligada("DARVELO_SEM_ASSOCIACAO", u"1"_s);
    EXPECT_FALSE(AssociateExtensionCheck());
    EXPECT_FALSE(QDir(dados).exists());
}

// Only both files in one of the system folders count as installed.
TEST_F(FileAssociationTest, WritesNothingWhenInstalledSystemWide)
{
    const QString outra = pasta.filePath(u"outra"_s);
    AmbienteTemporario pastas("XDG_DATA_DIRS", pasta.filePath(u"sistema"_s) + u':' + outra);
    const struct {
        QStringList instalados;
        bool grava;
    } casos[] = {
        {{}, true},
        {{u"/applications/darvelo-planilhas.desktop"_s}, true},
        {{u"/applications/darvelo-planilhas.desktop"_s, u"/mime/packages/darvelo-planilhas.xml"_s}, false},
    };
    for (const auto& caso : casos) {
        QDir(dados).removeRecursively();
        QDir(outra).removeRecursively();
        for (const QString& arquivo : caso.instalados) {
            QDir().mkpath(QFileInfo(outra + arquivo).absolutePath());
            QFile(outra + arquivo).open(QIODevice::WriteOnly);
        }
        EXPECT_EQ(AssociateExtensionCheck(), caso.grava) << caso.instalados.join(u' ').toStdString();
        EXPECT_EQ(QFileInfo::exists(desktop), caso.grava);
    }
}

TEST_F(FileAssociationTest, FailureToWriteRaisesWithThePath)
{
    // A file where the applications folder should be.
    QDir().mkpath(dados);
    QFile bloqueio(dados + u"/applications"_s);
    ASSERT_TRUE(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    try {
        AssociateExtensionCheck();
        FAIL() << "deveria falhar ao gravar";
    } catch (const HostError& erro) {
        EXPECT_TRUE(erro.message().contains(dados + u"/applications"_s)) << erro.what();
    }
}

}  // namespace
}  // namespace host
