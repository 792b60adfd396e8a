#include "AplicacaoTeste.h"

#include "ajuda/GeradorAjuda.h"
#include "ajuda/IndiceAjuda.h"
#include "ajuda/PaginaFuncao.h"

#include <catalog/AcaoFormula.h>
#include <catalog/Catalogo.h>
#include <catalog/TabelaFuncoes.h>
#include <host/HostError.h>
#include <spreadsheet/FunctionCatalog.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using ajuda::GeradorAjuda;

QString ler(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(arquivo.readAll());
}

QStringList links(const QString& html)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    QStringList destinos;
    for (const QRegularExpressionMatch& achado : href.globalMatch(html)) {
        destinos.append(achado.captured(1));
    }
    return destinos;
}

class GeradorAjudaTeste : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pasta = std::make_unique<QTemporaryDir>();
        GeradorAjuda::gerar(pasta->path());
    }
    static void TearDownTestSuite() { pasta.reset(); }

    static QString pagina(const QString& arquivo) { return ler(QDir(pasta->path()).filePath(arquivo)); }

    static inline std::unique_ptr<QTemporaryDir> pasta;
};

TEST_F(GeradorAjudaTeste, IndiceEUmaPaginaPorFuncaoRegistrada)
{
    EXPECT_TRUE(pagina(GeradorAjuda::indice()).contains(QStringLiteral("Replicacao")));
    for (const catalog::FuncaoRegistrada& funcao : catalog::funcoesRegistradas()) {
        const QString nome = QString::fromLatin1(funcao.nome);
        EXPECT_TRUE(pagina(GeradorAjuda::arquivoDaFuncao(nome)).contains(QStringLiteral("<h1>%1</h1>").arg(nome)))
            << nome.toStdString();
    }
}

TEST_F(GeradorAjudaTeste, APaginaDaPlanilhaListaCadaFuncaoComSeusDoisNomes)
{
    const QString html = pagina(ajuda::IndiceAjuda::paginaPlanilha());
    for (const spreadsheet::FunctionDescription& f : spreadsheet::builtinFunctionDescriptions()) {
        EXPECT_TRUE(html.contains(QStringLiteral("<td>%1</td><td>%2</td>").arg(f.portugueseName.toHtmlEscaped(),
                                                                               f.name.toHtmlEscaped())))
            << f.name.toStdString();
    }
}

TEST_F(GeradorAjudaTeste, PaginaDeFuncaoDeDadosListaTodosOsCampos)
{
    for (const catalog::Catalogo& catalogo : catalog::catalogos()) {
        const QString html = pagina(GeradorAjuda::arquivoDaFuncao(catalogo.funcao));
        for (const catalog::ItemCatalogo& item : catalogo.itens) {
            const QString linha = QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td>")
                                      .arg(item.numero)
                                      .arg(item.legenda.toHtmlEscaped(), item.grupo.toHtmlEscaped());
            EXPECT_TRUE(html.contains(linha)) << catalogo.funcao.toStdString() << " " << item.numero;
        }
    }
    // The formula each item writes, with the arguments still to be given.
    for (const auto& [funcao, formula] : {std::pair{"fpaFunc", "<td>=fpaFunc(4;nCodigoFunc)</td>"},
                                          std::pair{"gerEMP", "<td>=gerEMP(62)</td>"},
                                          std::pair{"fpaFuncTotais", "<td>=fpaFuncTotais(3)</td>"},
                                          std::pair{"fpaProvFer", "<td>=fpaProvFer(1;nCodigoEstab;nOrganograma;nCodigoFunc)</td>"}})
        EXPECT_TRUE(pagina(GeradorAjuda::arquivoDaFuncao(QString::fromLatin1(funcao))).contains(QString::fromLatin1(formula)))
            << funcao;
}

// The functions only the menus know have their page too.
TEST_F(GeradorAjudaTeste, FuncoesDosMenusTemPaginaComOsArgumentosNaOrdemDasTabelas)
{
    for (const catalog::AcaoFormula& acao : catalog::acoesFormula()) {
        EXPECT_FALSE(pagina(GeradorAjuda::arquivoDaFuncao(acao.funcao)).isEmpty()) << acao.funcao.toStdString();
        QStringList esperados;
        for (const catalog::ParametroCatalogo& parametro : acao.parametros) {
            esperados.append(QString::fromUtf8(parametro.legenda));
        }
        EXPECT_EQ(ajuda::PaginaFuncao(acao.funcao).argumentos(), esperados) << acao.funcao.toStdString();
    }
    for (const catalog::Catalogo& catalogo : catalog::catalogos()) {
        const QStringList argumentos = ajuda::PaginaFuncao(catalogo.funcao).argumentos();
        ASSERT_EQ(argumentos.size(), qsizetype(catalogo.parametros.size() + 1)) << catalogo.funcao.toStdString();
        EXPECT_EQ(argumentos.first(), QStringLiteral("Número do campo"));
    }
}

TEST_F(GeradorAjudaTeste, LinksLevamAArquivosExistentes)
{
    const QStringList doIndice = links(pagina(GeradorAjuda::indice()));
    QStringList todos = doIndice;
    for (const QString& funcao : GeradorAjuda::funcoes()) {
        EXPECT_TRUE(doIndice.contains(GeradorAjuda::arquivoDaFuncao(funcao))) << funcao.toStdString();
        todos += links(pagina(GeradorAjuda::arquivoDaFuncao(funcao)));
    }
    for (const QString& destino : todos) {
        // The guide's link is the window's to resolve, not a file of the help.
        if (destino == QLatin1String(ajuda::IndiceAjuda::kLinkGuia))
            continue;
        EXPECT_TRUE(QFile::exists(QDir(pasta->path()).filePath(destino))) << destino.toStdString();
    }
}

TEST(GeradorAjuda, PastaQueNaoPodeSerCriadaFalhaComMensagem)
{
    QTemporaryDir pasta;
    QFile bloqueio(pasta.filePath(QStringLiteral("arquivo")));
    ASSERT_TRUE(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    EXPECT_THROW(GeradorAjuda::gerar(pasta.filePath(QStringLiteral("arquivo/ajuda"))), host::HostError);
}

}  // namespace

namespace {

TEST(PaginaFuncao, TodaFuncaoTemResumoNoIndice)
{
    for (const QString& funcao : ajuda::GeradorAjuda::funcoes()) {
        EXPECT_FALSE(ajuda::PaginaFuncao::resumo(funcao).isEmpty()) << funcao.toStdString();
    }
}

}  // namespace
