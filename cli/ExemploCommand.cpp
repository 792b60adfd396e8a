#include "ExemploCommand.h"

#include "LinhaDeComando.h"

#include "relatorio/BancoExemplo.h"
#include "relatorio/ModelosExemplo.h"

#include "host/HostError.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QCommandLineParser>
#include <QDir>

#include <array>

namespace {

constexpr int kOk = 0;
constexpr int kFalha = 1;
constexpr int kUso = 2;

struct OpcaoTamanho {
    const char* nome;
    const char* descricao;
    int host::DemoDataOptions::*campo;
};

const std::array<OpcaoTamanho, 4> kTamanhos{{
    {"empresas", "número de empresas", &host::DemoDataOptions::empresas},
    {"funcionarios", "funcionários por empresa", &host::DemoDataOptions::funcionarios},
    {"eventos", "eventos por funcionário e período", &host::DemoDataOptions::eventosPorFuncionario},
    {"periodos", "meses de folha", &host::DemoDataOptions::periodos},
}};

const char* const kUsoTexto =
    "Uso: darvelo exemplo [PASTA] [--empresas N] [--funcionarios N] [--eventos N] [--periodos N] "
    "[--semente N] [--banco CONEXAO]\n";

struct Pedido {
    QString pasta;
    QString conexao;
    host::DemoDataOptions opcoes;
    bool recriar = false;  // a size or the seed was given
};

int positivo(const QCommandLineParser& parser, const QString& nome, int padrao)
{
    if (!parser.isSet(nome))
        return padrao;
    bool ok = false;
    const int valor = parser.value(nome).toInt(&ok);
    if (!ok || valor <= 0 || valor > 1'000'000)
        throw UsoInvalido(QStringLiteral("Valor inválido para --%1: %2").arg(nome, parser.value(nome)));
    return valor;
}

void declararOpcoes(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Cria o banco de demonstração e os modelos de exemplo."));
    linhaDeComando::declararAjuda(parser);
    parser.addPositionalArgument(QStringLiteral("PASTA"), QStringLiteral("pasta de saída (padrão: exemplo)"));
    parser.addOption({QStringLiteral("banco"), QStringLiteral("sqlite:CAMINHO ou postgresql://..."),
                      QStringLiteral("CONEXAO")});
    parser.addOption({QStringLiteral("semente"), QStringLiteral("semente dos dados"), QStringLiteral("N")});
    for (const OpcaoTamanho& t : kTamanhos)
        parser.addOption({QString::fromLatin1(t.nome), QString::fromUtf8(t.descricao), QStringLiteral("N")});
}

Pedido lerPedido(const QCommandLineParser& parser)
{
    const QStringList posicionais = parser.positionalArguments();
    if (posicionais.size() > 1)
        throw UsoInvalido(QStringLiteral("Informe uma só pasta de saída."));
    Pedido pedido;
    pedido.pasta = posicionais.isEmpty() ? QStringLiteral("exemplo") : posicionais.front();
    pedido.conexao = parser.isSet(QStringLiteral("banco"))
                         ? parser.value(QStringLiteral("banco"))
                         : QStringLiteral("sqlite:") + QDir(pedido.pasta).filePath(exemplo::kArquivoBanco);
    pedido.opcoes.seed =
        static_cast<quint32>(positivo(parser, QStringLiteral("semente"), static_cast<int>(pedido.opcoes.seed)));
    pedido.recriar = parser.isSet(QStringLiteral("semente"));
    for (const OpcaoTamanho& t : kTamanhos) {
        const QString nome = QString::fromLatin1(t.nome);
        pedido.opcoes.*t.campo = positivo(parser, nome, pedido.opcoes.*t.campo);
        pedido.recriar = pedido.recriar || parser.isSet(nome);
    }
    return pedido;
}

void prepararBanco(const exemplo::BancoExemplo& banco, const Pedido& pedido, QTextStream& out)
{
    if (!pedido.recriar && banco.existe()) {
        out << "Banco de demonstração mantido: " << banco.descricao()
            << " (uma opção de tamanho ou --semente o recria)\n";
        return;
    }
    banco.criar(pedido.opcoes);
    out << "Banco de demonstração criado: " << banco.descricao() << '\n';
}

int executar(const Pedido& pedido, QTextStream& out)
{
    QDir pasta(pedido.pasta);
    if (!pasta.mkpath(QStringLiteral(".")))
        throw host::HostError(QStringLiteral("Não foi possível criar a pasta %1.").arg(pedido.pasta));
    out << "Pasta: " << pasta.absolutePath() << '\n';
    const exemplo::BancoExemplo banco(pedido.conexao);
    prepararBanco(banco, pedido, out);
    const exemplo::ParametrosExemplo parametros = banco.parametros();
    for (const QString& caminho : exemplo::gravarModelos(parametros, pasta))
        out << "Modelo gravado: " << caminho << '\n';
    out << "Parâmetros dos modelos: empresas " << parametros.empresas << ", com rateio " << parametros.empresasRateio
        << ", período de cálculo " << parametros.periodo << '\n';
    return kOk;
}

}  // namespace

int runExemplo(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    try {
        QCommandLineParser parser;
        declararOpcoes(parser);
        if (!linhaDeComando::analisar(parser, arguments, QString::fromUtf8(kUsoTexto), out))
            return kOk;
        return executar(lerPedido(parser), out);
    } catch (const UsoInvalido& erro) {
        err << erro.message() << '\n' << kUsoTexto;
        return kUso;
    } catch (const host::HostError& erro) {
        err << erro.message() << '\n';
        return kFalha;
    } catch (const spreadsheet::SpreadsheetError& erro) {
        err << erro.message() << '\n';
        return kFalha;
    }
}
