#include "FunctionTables.h"

#include "ReferenceFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

namespace f = functions;

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"OFFSET", "DESLOC", 3, 5, true, f::offset, FunctionGroup::Lookup, "ref; lins; cols; [altura]; [largura]",
     rangeArg(0), "Retorna uma referência deslocada de uma referência dada."},
    {"INDIRECT", "INDIRETO", 1, 2, true, f::indirect, FunctionGroup::Lookup, "texto_ref; [a1]", kScalarArgs,
     "Retorna a referência indicada por um texto."},
    {"ADDRESS", "ENDEREÇO|ENDERECO", 2, 5, false, f::address, FunctionGroup::Lookup,
     "núm_lin; núm_col; [núm_abs]; [a1]; [texto_planilha]", kScalarArgs,
     "Retorna o endereço de uma célula como texto."},
    {"ROWS", "LINS", 1, 1, false, f::rows, FunctionGroup::Lookup, "matriz", kRangeArgs,
     "Retorna o número de linhas de uma referência ou matriz."},
    {"COLUMNS", "COLS", 1, 1, false, f::columns, FunctionGroup::Lookup, "matriz", kRangeArgs,
     "Retorna o número de colunas de uma referência ou matriz."},
    {"AREAS", "ÁREAS", 1, 1, false, f::areas, FunctionGroup::Lookup, "ref", kRangeArgs,
     "Retorna o número de áreas de uma referência."},
    {"HYPERLINK", "HIPERLINK", 1, 2, false, f::hyperlink, FunctionGroup::Lookup,
     "local_vínculo; [nome_amigável]", kScalarArgs, "Cria um atalho para um documento ou endereço."},
    {"LOOKUP", "PROC", 2, 3, false, f::lookup, FunctionGroup::Lookup, "valor_procurado; vetor_proc; [vetor_result]",
     rangeArg(1) | rangeArg(2), "Procura um valor em um vetor ordenado e retorna o da mesma posição em outro."},
    {"XLOOKUP", "PROCX", 3, 6, false, f::xlookup, FunctionGroup::Lookup,
     "pesquisa_valor; matriz_pesquisa; matriz_retorno; [se_não_encontrada]; [modo_correspondência]; "
     "[modo_pesquisa]",
     rangeArg(1) | rangeArg(2) | rangeArg(3), "Procura um valor em um intervalo e retorna o item correspondente."},
    {"XMATCH", "CORRESPX", 2, 4, false, f::xmatch, FunctionGroup::Lookup,
     "pesquisa_valor; matriz_pesquisa; [modo_correspondência]; [modo_pesquisa]", rangeArg(1),
     "Retorna a posição de um item em um intervalo."},
});

}  // namespace

std::span<const BuiltinFunction> lookupTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
