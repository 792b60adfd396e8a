#include "host/HostError.h"
#include "host/TnConfig.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace host {
namespace {

using namespace Qt::StringLiterals;

const QString chaveFerias = u"UsarProvisaoFeriasAntiga"_s;
const char* const ambienteFerias = "DARVELO_USARPROVISAOFERIASANTIGA";
const char* const ambienteEmpresa = "DARVELO_GCODIGOEMPRESA";
const char* const ambienteHora = "DARVELO_GHORACENT";
// Longer than the names spelt on the stack.
const QString chaveLonga = u"gUmaVariavelDeNomeMuitoLongoQueNaoCabeNoEspacoDaPilhaDoLeitor"_s;
const QByteArray ambienteLongo = "DARVELO_" + chaveLonga.toUpper().toLatin1();

// Every test gets an empty settings folder and an environment without our
// variables, so the user's real configuration never leaks in.
class TnConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, pasta.path());
        TearDown();
    }
    void TearDown() override
    {
        qunsetenv(ambienteFerias);
        qunsetenv(ambienteEmpresa);
        qunsetenv(ambienteHora);
        qunsetenv(ambienteLongo.constData());
    }
    void gravarIni(const QString& nome, const QByteArray& conteudo)
    {
        const QString path = pasta.filePath(nome);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile arquivo(path);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(conteudo);
    }
    void gravarArquivoDoUsuario(const QByteArray& conteudo) { gravarIni(u"Darvelo/Darvelo.ini"_s, conteudo); }

    QTemporaryDir pasta;
};

TEST_F(TnConfigTest, EnvironmentOverridesFileAndCommandLineOverridesBoth)
{
    TnConfig config;
    EXPECT_FALSE(config.GetUsarProvisaoFeriasAntiga()) << "falso quando nada foi definido";
    gravarArquivoDoUsuario("usarprovisaoferiasantiga=1\nDesabilitarCompartilharModulo=true\n");
    config.redefinir();
    EXPECT_TRUE(config.GetUsarProvisaoFeriasAntiga());
    EXPECT_TRUE(config.GetDesabilitarCompartilharModulo());

    qputenv(ambienteFerias, "0");
    EXPECT_FALSE(config.GetUsarProvisaoFeriasAntiga());
    config.definir(u"USARPROVISAOFERIASANTIGA"_s, u"s"_s);
    EXPECT_TRUE(config.GetUsarProvisaoFeriasAntiga());

    config.redefinir();
    EXPECT_FALSE(config.GetUsarProvisaoFeriasAntiga()) << "a definição da linha de comando deveria ser esquecida";
    qunsetenv(ambienteFerias);
    EXPECT_TRUE(config.GetUsarProvisaoFeriasAntiga());
}

TEST_F(TnConfigTest, LoadedFileOverlaysTheUsersFileButNotTheEnvironment)
{
    gravarArquivoDoUsuario("UsarProvisaoFeriasAntiga=1\nContabilizaProvisaoFeriasAntiga=1\n");
    // Unquoted commas make a list for QSettings, and ";" starts a comment.
    gravarIni(u"outro.ini"_s, "UsarProvisaoFeriasAntiga=0\ngCodigoEmpresa=\"1..5;8\"\ngHoraCent=1,5\n");
    TnConfig config;
    config.carregarArquivo(pasta.filePath(u"outro.ini"_s));

    EXPECT_FALSE(config.GetUsarProvisaoFeriasAntiga());
    EXPECT_TRUE(config.GetContabilizaProvisaoFeriasAntiga());
    EXPECT_EQ(config.valor(u"gCodigoEmpresa"_s), u"1..5;8"_s);
    EXPECT_EQ(config.valor(u"gHoraCent"_s), u"1,5"_s);
    qputenv(ambienteFerias, "sim");
    EXPECT_TRUE(config.GetUsarProvisaoFeriasAntiga());
}

TEST_F(TnConfigTest, MissingFileRaisesWithItsPath)
{
    const QString path = pasta.filePath(u"nao-existe.ini"_s);
    try {
        TnConfig().carregarArquivo(path);
        FAIL() << "arquivo ausente deveria falhar";
    } catch (const HostError& erro) {
        EXPECT_EQ(erro.message(), u"Arquivo de configuração não encontrado: "_s + path);
    }
}

TEST_F(TnConfigTest, BooleansAcceptYesAndNoInTheirUsualSpellings)
{
    const std::vector<std::pair<QString, bool>> casos{
        {u"1"_s, true},   {u"0"_s, false}, {u"true"_s, true}, {u"FALSE"_s, false}, {u"Sim"_s, true},
        {u"NÃO"_s, false}, {u"nao"_s, false}, {u"S"_s, true},  {u"n"_s, false},     {u" sim "_s, true}};
    TnConfig config;
    for (const auto& [texto, esperado] : casos) {
        config.definir(chaveFerias, texto);
        EXPECT_EQ(config.GetUsarProvisaoFeriasAntiga(), esperado) << texto.toStdString();
    }
}

TEST_F(TnConfigTest, OtherTextsRaiseNamingKeyAndValue)
{
    TnConfig config;
    for (const QString& texto : {u"talvez"_s, u"2"_s, u"yes"_s}) {
        config.definir(chaveFerias, texto);
        try {
            config.GetUsarProvisaoFeriasAntiga();
            ADD_FAILURE() << "deveria recusar " << texto.toStdString();
        } catch (const HostError& erro) {
            EXPECT_TRUE(erro.message().contains(chaveFerias) && erro.message().contains(texto)) << erro.what();
        }
    }
}

TEST_F(TnConfigTest, ExternalVariablesComeFromTheSameSources)
{
    gravarArquivoDoUsuario("gHoraCent=1\n");
    nConfig().redefinir();
    EXPECT_EQ(PegarValorExternalVar(u"gHoraCent"_s), u"1"_s);
    EXPECT_TRUE(PegarValorExternalVar(u"gArrendCentHora"_s).isEmpty());
    qputenv(ambienteHora, "");
    EXPECT_TRUE(PegarValorExternalVar(u"gHoraCent"_s).isEmpty()) << "uma variável vazia ainda vale sobre o arquivo";
    qputenv(ambienteLongo.constData(), "3");
    EXPECT_EQ(PegarValorExternalVar(chaveLonga.toLower()), u"3"_s);

    qputenv(ambienteEmpresa, "12");
    EXPECT_EQ(PegarValorExternalVar(u"gCodigoEmpresa"_s), u"12"_s);
    nConfig().definir(u"gCodigoEmpresa"_s, u"7"_s);
    EXPECT_EQ(PegarValorExternalVar(u"gCodigoEmpresa"_s), u"7"_s);
    nConfig().redefinir();
}

}  // namespace
}  // namespace host
