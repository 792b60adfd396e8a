#include "FunctionTables.h"

#include "TextFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

constexpr int kAny = -1;

// The byte-counting variants (LEFTB...) count characters, as they do where
// every character takes one byte.
constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"CHAR", "CARACT", 1, 1, false, character, FunctionGroup::Text, "núm", kScalarArgs, "Retorna o caractere do código indicado, de 1 a 255."},
    {"CODE", "CÓDIGO|CODIGO", 1, 1, false, characterCode, FunctionGroup::Text, "texto", kScalarArgs, "Retorna o código do primeiro caractere de um texto."},
    {"UNICHAR", "CARACTUNICODE", 1, 1, false, unicodeCharacter, FunctionGroup::Text, "número", kScalarArgs, "Retorna o caractere Unicode do número indicado."},
    {"UNICODE", nullptr, 1, 1, false, unicodeCode, FunctionGroup::Text, "texto", kScalarArgs, "Retorna o número Unicode do primeiro caractere de um texto."},
    {"CONCAT", nullptr, 1, kAny, false, concat, FunctionGroup::Text, "texto1; [texto2]; ...", kRangeArgs, "Junta os textos dos argumentos e dos intervalos em um só."},
    {"TEXTJOIN", "UNIRTEXTO", 3, kAny, false, textJoin, FunctionGroup::Text, "delimitador; ignorar_vazio; texto1; [texto2]; ...", kRangeArgs & ~rangeArg(1), "Junta textos e intervalos, pondo um delimitador entre eles."},
    {"EXACT", "EXATO", 2, 2, false, exact, FunctionGroup::Text, "texto1; texto2", kScalarArgs, "Retorna VERDADEIRO se dois textos forem idênticos, maiúsculas incluídas."},
    {"PROPER", "PRI.MAIÚSCULA|PRI.MAIUSCULA", 1, 1, false, proper, FunctionGroup::Text, "texto", kScalarArgs, "Põe em maiúscula a primeira letra de cada palavra e as demais em minúsculas."},
    {"REPLACE", "MUDAR", 4, 4, false, replace, FunctionGroup::Text, "texto_antigo; núm_inicial; núm_caract; novo_texto", kScalarArgs, "Substitui parte de um texto, a partir de uma posição, por outro texto."},
    {"REPT", nullptr, 2, 2, false, repeat, FunctionGroup::Text, "texto; número_vezes", kScalarArgs, "Repete um texto o número de vezes indicado."},
    {"FIXED", "DEF.NÚM.DEC|DEF.NUM.DEC", 1, 3, false, fixed, FunctionGroup::Text, "núm; [decimais]; [sem_sep_milhar]", kScalarArgs, "Arredonda um número e o converte em texto com casas decimais fixas."},
    {"DOLLAR", "MOEDA", 1, 2, false, dollar, FunctionGroup::Text, "núm; [decimais]", kScalarArgs, "Converte um número em texto no formato de moeda."},
    {"CLEAN", "TIRAR", 1, 1, false, clean, FunctionGroup::Text, "texto", kScalarArgs, "Remove do texto os caracteres de controle que não podem ser impressos."},
    {"NUMBERVALUE", "VALORNUMÉRICO|VALORNUMERICO", 1, 3, false, numberValue, FunctionGroup::Text, "texto; [separador_decimal]; [separador_grupo]", kScalarArgs, "Converte um texto em número com os separadores indicados."},
    {"TEXTBEFORE", "TEXTOANTES", 2, 6, false, textBefore, FunctionGroup::Text, "texto; delimitador; [núm_instância]; [modo_correspondência]; [corresponder_final]; [se_não_encontrado]", rangeArg(1), "Retorna o texto que vem antes de um delimitador."},
    {"TEXTAFTER", "TEXTODEPOIS", 2, 6, false, textAfter, FunctionGroup::Text, "texto; delimitador; [núm_instância]; [modo_correspondência]; [corresponder_final]; [se_não_encontrado]", rangeArg(1), "Retorna o texto que vem depois de um delimitador."},
    {"VALUETOTEXT", "VALORPARATEXTO", 1, 2, false, valueToText, FunctionGroup::Text, "valor; [formato]", kScalarArgs, "Retorna um valor qualquer como texto."},
    {"ARRAYTOTEXT", "MATRIZPARATEXTO", 1, 2, false, arrayToText, FunctionGroup::Text, "matriz; [formato]", rangeArg(0), "Retorna os valores de uma matriz ou intervalo como texto."},
    {"T", nullptr, 1, 1, false, textOnly, FunctionGroup::Text, "valor", kScalarArgs, "Retorna o texto do valor, ou um texto vazio se o valor não for texto."},
    {"LEFTB", "ESQUERDAB", 1, 2, false, left, FunctionGroup::Text, "texto; [núm_bytes]", kScalarArgs, "Retorna os primeiros caracteres de um texto, contados em bytes."},
    {"RIGHTB", "DIREITAB", 1, 2, false, right, FunctionGroup::Text, "texto; [núm_bytes]", kScalarArgs, "Retorna os últimos caracteres de um texto, contados em bytes."},
    {"MIDB", "EXT.TEXTOB", 3, 3, false, mid, FunctionGroup::Text, "texto; núm_inicial; núm_bytes", kScalarArgs, "Retorna caracteres do meio de um texto, contados em bytes."},
    {"LENB", "NÚM.CARACTB|NUM.CARACTB", 1, 1, false, length, FunctionGroup::Text, "texto", kScalarArgs, "Retorna o número de bytes de um texto."},
    {"FINDB", "PROCURARB", 2, 3, false, find, FunctionGroup::Text, "texto_procurado; no_texto; [núm_inicial]", kScalarArgs, "Localiza um texto dentro de outro, diferenciando maiúsculas, contando em bytes."},
    {"SEARCHB", "LOCALIZARB", 2, 3, false, search, FunctionGroup::Text, "texto_procurado; no_texto; [núm_inicial]", kScalarArgs, "Localiza um texto dentro de outro, sem diferenciar maiúsculas, contando em bytes."},
    {"REPLACEB", "MUDARB", 4, 4, false, replace, FunctionGroup::Text, "texto_antigo; núm_inicial; núm_bytes; novo_texto", kScalarArgs, "Substitui parte de um texto, contada em bytes, por outro texto."},
});

}  // namespace

std::span<const BuiltinFunction> textTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
