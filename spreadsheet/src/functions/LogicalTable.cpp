#include "FunctionTables.h"

#include "InfoFunctions.h"
#include "LogicalFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

constexpr int kAny = -1;

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"IFS", "SES", 2, kAny, false, firstTrue, FunctionGroup::Logical, "teste_lógico1; valor_se_verdadeiro1; [teste_lógico2; valor_se_verdadeiro2]; ...", kScalarArgs, "Retorna o valor da primeira condição verdadeira."},
    {"SWITCH", "PARÂMETRO|PARAMETRO", 3, kAny, false, switchValue, FunctionGroup::Logical, "expressão; valor1; resultado1; [padrão_ou_valor2; resultado2]; ...", kScalarArgs, "Compara uma expressão com uma lista de valores e retorna o resultado do primeiro igual."},
    {"XOR", "OUEXCL", 1, kAny, false, exclusiveOr, FunctionGroup::Logical, "lógico1; [lógico2]; ...", kRangeArgs, "Retorna VERDADEIRO se um número ímpar de argumentos for verdadeiro."},
    {"IFNA", "SENÃODISP|SENAODISP", 2, 2, false, ifNA, FunctionGroup::Logical, "valor; valor_se_nd", kScalarArgs, "Retorna o valor indicado se a expressão der #N/D; senão, a própria expressão."},
    {"ISEVEN", "ÉPAR|EPAR", 1, 1, false, isEven, FunctionGroup::Information, "núm", kScalarArgs, "Retorna VERDADEIRO se o número for par."},
    {"ISODD", "ÉIMPAR|EIMPAR", 1, 1, false, isOdd, FunctionGroup::Information, "núm", kScalarArgs, "Retorna VERDADEIRO se o número for ímpar."},
    {"ISLOGICAL", "ÉLÓGICO|ELOGICO", 1, 1, false, isLogical, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor for lógico."},
    {"ISNONTEXT", "É.NÃO.TEXTO|E.NAO.TEXTO", 1, 1, false, isNonText, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor não for texto."},
    {"ISREF", "ÉREF|EREF", 1, 1, false, isReference, FunctionGroup::Information, "valor", rangeArg(0), "Retorna VERDADEIRO se o valor for uma referência."},
    {"ISFORMULA", "ÉFÓRMULA|EFORMULA", 1, 1, false, isFormula, FunctionGroup::Information, "referência", rangeArg(0), "Retorna VERDADEIRO se a célula referida contiver uma fórmula."},
    {"N", nullptr, 1, 1, false, toNumberValue, FunctionGroup::Information, "valor", kScalarArgs, "Converte um valor em número: VERDADEIRO é 1, textos são 0."},
    {"TYPE", "TIPO", 1, 1, false, typeOf, FunctionGroup::Information, "valor", rangeArg(0), "Retorna o tipo do valor: 1 número, 2 texto, 4 lógico, 16 erro, 64 matriz."},
    {"ERROR.TYPE", "TIPO.ERRO", 1, 1, false, errorType, FunctionGroup::Information, "val_erro", kScalarArgs, "Retorna o número que corresponde a um valor de erro."},
    {"FORMULATEXT", "FÓRMULATEXTO|FORMULATEXTO", 1, 1, false, formulaText, FunctionGroup::Lookup, "referência", rangeArg(0), "Retorna a fórmula da célula referida como texto."},
});

}  // namespace

std::span<const BuiltinFunction> logicalTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
