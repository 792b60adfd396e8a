#include "ConverterCommand.h"
#include "DemoDatabaseCommand.h"
#include "EngineDemo.h"
#include "ExemploCommand.h"
#include "GerarCommand.h"
#include "LinhaDeComando.h"

#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"
#include "host/HugePages.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
    bool large;  // works on whole workbooks or databases: worth a restart with huge pages
};

int demo(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Demonstra o motor de planilhas."));
    linhaDeComando::declararAjuda(parser);
    const QString uso = QStringLiteral("Uso: darvelo demo\n");
    try {
        if (!linhaDeComando::analisar(parser, arguments, uso, out)) {
            return linhaDeComando::kAjuda;
        }
    } catch (const UsoInvalido& erro) {
        err << erro.message() << '\n' << uso;
        return linhaDeComando::kUso;
    }
    return runEngineDemo(out);
}

constexpr std::array<Command, 5> kCommands{{
    {"banco-demo", runDemoDatabase, true},
    {"converter", runConverter, true},
    {"demo", demo, false},
    {"exemplo", runExemplo, true},
    {"gerar", runGerar, true},
}};

// The restart costs a few hundredths of a second: only commands that read
// or make large files and databases win it back.
bool worksLarge(int argc, char* argv[])
{
    return argc > 1 && std::any_of(kCommands.begin(), kCommands.end(), [&](const Command& command) {
               return command.large && std::strcmp(argv[1], command.name) == 0;
           });
}

const char* const kUso =
    "Uso: darvelo COMANDO [opções]\n"
    "     darvelo --help | --version\n"
    "Comandos:\n"
    "  banco-demo --banco CONEXAO [--semente N] [--empresas N] ...  cria o banco de demonstração\n"
    "  converter ENTRADA SAIDA [--recalcular] [--folha NOME]   converte pastas de trabalho\n"
    "  demo                                                     demonstra o motor de planilhas\n"
    "  exemplo [PASTA] [--banco CONEXAO] [--funcionarios N] ...  cria o banco e os modelos de exemplo\n"
    "  gerar MODELO --banco CONEXAO [-o SAIDA] [opções]         gera o relatório de um modelo\n"
    "\"darvelo COMANDO --help\" mostra as opções de um comando.\n";

int ajuda(QTextStream& out)
{
    out << kUso;
    return linhaDeComando::kAjuda;
}

int versao(QTextStream& out)
{
    out << "darvelo " << DARVELO_VERSAO << '\n';
    return 0;
}

// What the program answers before any command.
struct OpcaoGeral {
    const char* longa;
    const char* curta;
    int (*run)(QTextStream& out);
};

constexpr std::array<OpcaoGeral, 2> kOpcoesGerais{{
    {"--help", "-h", ajuda},
    {"--version", "-V", versao},
}};

int usoInvalido(QTextStream& err, const QString& motivo)
{
    if (!motivo.isEmpty()) {
        err << motivo << '\n';
    }
    err << kUso;
    return linhaDeComando::kUso;
}

int semComando(const QString& primeiro, QTextStream& out, QTextStream& err)
{
    for (const OpcaoGeral& opcao : kOpcoesGerais) {
        if (primeiro == QLatin1String(opcao.longa) || primeiro == QLatin1String(opcao.curta)) {
            return opcao.run(out);
        }
    }
    if (primeiro.startsWith(QLatin1Char('-'))) {
        return usoInvalido(err, QStringLiteral("Opção desconhecida: %1").arg(primeiro));
    }
    return usoInvalido(err, QStringLiteral("Comando desconhecido: %1").arg(primeiro));
}

// A PDF's pages need fonts, which only a GUI application has, on Qt's
// offscreen platform so that no display is needed; every other command
// keeps the light core application.
std::unique_ptr<QCoreApplication> aplicacao(int& argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]).toLower().endsWith(".pdf")) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (worksLarge(argc, argv))
        host::useHugePages(argv);
    const std::unique_ptr<QCoreApplication> app = aplicacao(argc, argv);
    // Payroll staff read dates, decimals and function texts the Brazilian
    // way, whatever the machine's own settings.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Every custom function is known before any workbook is loaded.
    catalog::RegistrarTodasFuncoes();
    generation::RegistrarTnFpaDMPlanilha();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app->arguments();
    if (args.size() < 2) {
        return usoInvalido(err, {});
    }
    for (const Command& command : kCommands) {
        if (args[1] == QLatin1String(command.name)) {
            args.removeAt(1);  // the parser sees "darvelo ARGS…"
            try {
                return command.run(args, out, err);
            } catch (const spreadsheet::SpreadsheetError& e) {
                err << e.message() << '\n';
                return 1;
            }
        }
    }
    return semComando(args[1], out, err);
}
