#include "FunctionTables.h"

#include "ArrayFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

namespace f = functions;

constexpr int kAny = -1;

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"SEQUENCE", "SEQUÊNCIA|SEQUENCIA", 1, 4, false, f::sequence, FunctionGroup::Math,
     "linhas; [colunas]; [início]; [etapa]", kScalarArgs,
     "Gera uma matriz de números em sequência."},
    {"RANDARRAY", "MATRIZALEATÓRIA|MATRIZALEATORIA", 0, 5, true, f::randomArray, FunctionGroup::Math,
     "[linhas]; [colunas]; [mín]; [máx]; [número_inteiro]", kScalarArgs,
     "Gera uma matriz de números aleatórios."},
    {"TRANSPOSE", "TRANSPOR", 1, 1, false, f::transpose, FunctionGroup::Lookup, "matriz", kRangeArgs,
     "Troca as linhas pelas colunas de uma matriz."},
    {"FILTER", "FILTRO", 2, 3, false, f::filter, FunctionGroup::Lookup, "matriz; incluir; [se_vazia]", kRangeArgs,
     "Filtra as linhas ou colunas de uma matriz pelas condições dadas."},
    {"SORT", "CLASSIFICAR", 1, 4, false, f::sort, FunctionGroup::Lookup,
     "matriz; [índice_classificação]; [ordem_classificação]; [por_col]", rangeArg(0),
     "Classifica o conteúdo de uma matriz."},
    {"SORTBY", "CLASSIFICARPOR", 2, kAny, false, f::sortBy, FunctionGroup::Lookup,
     "matriz; por_matriz1; [ordem_classificação1]; ...", kRangeArgs,
     "Classifica uma matriz pelos valores de outras matrizes."},
    {"UNIQUE", "ÚNICO|UNICO", 1, 3, false, f::unique, FunctionGroup::Lookup,
     "matriz; [por_col]; [exatamente_uma_vez]", rangeArg(0), "Retorna os valores distintos de uma matriz."},
    {"TEXTSPLIT", "DIVIDIRTEXTO", 2, 6, false, f::textSplit, FunctionGroup::Text,
     "texto; delimitador_coluna; [delimitador_linha]; [ignorar_vazio]; [modo_correspondência]; [preencher_com]",
     rangeArg(1) | rangeArg(2), "Divide um texto em linhas e colunas pelos delimitadores."},
    {"LET", nullptr, 3, kAny, false, f::letWithoutNames, FunctionGroup::Logical,
     "nome1; valor_nome1; [nome2; valor_nome2]; ...; cálculo", kRangeArgs,
     "Dá nomes a resultados de cálculos para usá-los no cálculo final."},
});

}  // namespace

std::span<const BuiltinFunction> arrayTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
