#include "src/formulas/FuncoesConhecidas.h"

#include "src/formulas/FuncaoSuite.h"

#include <spreadsheet/FunctionCatalog.h>
#include <spreadsheet/FunctionRepository.h>

std::vector<spreadsheet::widgets::FormulaCompleter::Entry> funcoesConhecidas(spreadsheet::FormulaConvention convencao)
{
    const bool brasileira = convencao == spreadsheet::FormulaConvention::Brazilian;
    std::vector<spreadsheet::widgets::FormulaCompleter::Entry> todas;
    for (const spreadsheet::FunctionDescription& f : spreadsheet::builtinFunctionDescriptions())
        todas.push_back({brasileira ? f.portugueseName : f.name, f.arguments});
    const spreadsheet::FunctionRepository& suite = spreadsheet::FunctionRepository::instance();
    for (int i = 0; i < suite.count(); ++i)
        todas.push_back({suite.entry(i).name, argumentosDe(funcaoDaSuite(suite.entry(i)).parametros)});
    // The lists are written with the Brazilian separator.
    if (!brasileira) {
        for (auto& entrada : todas)
            entrada.arguments.replace(QStringLiteral("; "), QStringLiteral(", "));
    }
    return todas;
}
