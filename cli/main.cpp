#include "ConverterCommand.h"
#include "DemoDatabaseCommand.h"
#include "EngineDemo.h"
#include "ExemploCommand.h"
#include "GerarCommand.h"

#include "catalog/RegistroFuncoes.h"
#include "generation/RegistroGeracao.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

#include <array>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

int demo(const QStringList&, QTextStream& out, QTextStream&)
{
    return runEngineDemo(out);
}

constexpr std::array<Command, 5> kCommands{{
    {"banco-demo", runDemoDatabase},
    {"converter", runConverter},
    {"demo", demo},
    {"exemplo", runExemplo},
    {"gerar", runGerar},
}};

int usage(QTextStream& err)
{
    err << "Uso: darvelo COMANDO [opções]\n"
           "Comandos:\n"
           "  banco-demo --banco CONEXAO [--semente N] [--empresas N] ...  cria o banco de demonstração\n"
           "  converter ENTRADA SAIDA [--recalcular] [--folha NOME]   converte pastas de trabalho\n"
           "  demo                                                     demonstra o motor de planilhas\n"
           "  exemplo [PASTA] [--banco CONEXAO] [--funcionarios N] ...  cria o banco e os modelos de exemplo\n"
           "  gerar MODELO --banco CONEXAO [-o SAIDA] [opções]         gera o relatório de um modelo\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Payroll staff read dates, decimals and function texts the Brazilian
    // way, whatever the machine's own settings.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Every custom function is known before any workbook is loaded.
    catalog::RegistrarTodasFuncoes();
    generation::RegistrarTnFpaDMPlanilha();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    if (args.size() < 2) {
        return usage(err);
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
    return usage(err);
}
