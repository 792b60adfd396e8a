#include "BuiltinFunctions.h"

#include "DateFunctions.h"
#include "InfoFunctions.h"
#include "LogicalFunctions.h"
#include "LookupFunctions.h"
#include "MathFunctions.h"
#include "StatisticalFunctions.h"
#include "TextFunctions.h"

#include <QHash>
#include <QString>

#include <array>

namespace spreadsheet {

namespace {

namespace f = functions;

constexpr int kAny = -1;

// Formulas store a function by its position here: append new entries at the end.
constexpr std::array kFunctions = std::to_array<BuiltinFunction>({
    // name, Portuguese aliases, min, max, volatile, implementation, group, arguments as pt-BR users read them
    {"SUM", "SOMA", 1, kAny, false, f::sum, FunctionGroup::Math, "núm1; [núm2]; ..."},
    {"AVERAGE", "MÉDIA|MEDIA", 1, kAny, false, f::average, FunctionGroup::Statistical, "núm1; [núm2]; ..."},
    {"COUNT", "CONT.NÚM|CONT.NUM", 1, kAny, false, f::count, FunctionGroup::Statistical, "valor1; [valor2]; ..."},
    {"COUNTA", "CONT.VALORES", 1, kAny, false, f::countA, FunctionGroup::Statistical, "valor1; [valor2]; ..."},
    {"MAX", "MÁXIMO|MAXIMO", 1, kAny, false, f::maximum, FunctionGroup::Statistical, "núm1; [núm2]; ..."},
    {"MIN", "MÍNIMO|MINIMO", 1, kAny, false, f::minimum, FunctionGroup::Statistical, "núm1; [núm2]; ..."},
    {"ROUND", "ARRED", 2, 2, false, f::round, FunctionGroup::Math, "núm; núm_dígitos"},
    {"ROUNDUP", "ARREDONDAR.PARA.CIMA", 2, 2, false, f::roundUp, FunctionGroup::Math, "núm; núm_dígitos"},
    {"ROUNDDOWN", "ARREDONDAR.PARA.BAIXO", 2, 2, false, f::roundDown, FunctionGroup::Math, "núm; núm_dígitos"},
    {"INT", nullptr, 1, 1, false, f::integer, FunctionGroup::Math, "núm"},
    {"TRUNC", "TRUNCAR", 1, 2, false, f::truncate, FunctionGroup::Math, "núm; [núm_dígitos]"},
    {"ABS", nullptr, 1, 1, false, f::absolute, FunctionGroup::Math, "núm"},
    {"MOD", nullptr, 2, 2, false, f::modulo, FunctionGroup::Math, "núm; divisor"},
    {"POWER", "POTÊNCIA|POTENCIA", 2, 2, false, f::power, FunctionGroup::Math, "núm; potência"},
    {"SQRT", "RAIZ", 1, 1, false, f::squareRoot, FunctionGroup::Math, "núm"},
    {"SUMIF", "SOMASE", 2, 3, false, f::sumIf, FunctionGroup::Math, "intervalo; critérios; [intervalo_soma]"},
    {"COUNTIF", "CONT.SE", 2, 2, false, f::countIf, FunctionGroup::Statistical, "intervalo; critérios"},
    {"SUMPRODUCT", "SOMARPRODUTO", 1, kAny, false, f::sumProduct, FunctionGroup::Math, "matriz1; [matriz2]; ..."},
    {"IF", "SE", 2, 3, false, f::ifThenElse, FunctionGroup::Logical, "teste_lógico; [valor_se_verdadeiro]; [valor_se_falso]"},
    {"AND", "E", 1, kAny, false, f::allTrue, FunctionGroup::Logical, "lógico1; [lógico2]; ..."},
    {"OR", "OU", 1, kAny, false, f::anyTrue, FunctionGroup::Logical, "lógico1; [lógico2]; ..."},
    {"NOT", "NÃO|NAO", 1, 1, false, f::negation, FunctionGroup::Logical, "lógico"},
    {"IFERROR", "SEERRO", 2, 2, false, f::ifError, FunctionGroup::Logical, "valor; valor_se_erro"},
    {"ISBLANK", "ÉCÉL.VAZIA|ECEL.VAZIA", 1, 1, false, f::isBlank, FunctionGroup::Information, "valor"},
    {"ISNUMBER", "ÉNÚM|ENUM", 1, 1, false, f::isNumber, FunctionGroup::Information, "valor"},
    {"ISTEXT", "ÉTEXTO|ETEXTO", 1, 1, false, f::isText, FunctionGroup::Information, "valor"},
    {"ISERROR", "ÉERROS|EERROS", 1, 1, false, f::isError, FunctionGroup::Information, "valor"},
    {"CONCATENATE", "CONCATENAR", 1, kAny, false, f::concatenate, FunctionGroup::Text, "texto1; [texto2]; ..."},
    {"LEFT", "ESQUERDA", 1, 2, false, f::left, FunctionGroup::Text, "texto; [núm_caract]"},
    {"RIGHT", "DIREITA", 1, 2, false, f::right, FunctionGroup::Text, "texto; [núm_caract]"},
    {"MID", "EXT.TEXTO", 3, 3, false, f::mid, FunctionGroup::Text, "texto; núm_inicial; núm_caract"},
    {"LEN", "NÚM.CARACT|NUM.CARACT", 1, 1, false, f::length, FunctionGroup::Text, "texto"},
    {"UPPER", "MAIÚSCULA|MAIUSCULA", 1, 1, false, f::upper, FunctionGroup::Text, "texto"},
    {"LOWER", "MINÚSCULA|MINUSCULA", 1, 1, false, f::lower, FunctionGroup::Text, "texto"},
    {"TRIM", "ARRUMAR", 1, 1, false, f::trim, FunctionGroup::Text, "texto"},
    {"SUBSTITUTE", "SUBSTITUIR", 3, 4, false, f::substitute, FunctionGroup::Text, "texto; texto_antigo; novo_texto; [núm_da_ocorrência]"},
    {"FIND", "PROCURAR", 2, 3, false, f::find, FunctionGroup::Text, "texto_procurado; no_texto; [núm_inicial]"},
    {"SEARCH", "LOCALIZAR", 2, 3, false, f::search, FunctionGroup::Text, "texto_procurado; no_texto; [núm_inicial]"},
    {"TEXT", "TEXTO", 2, 2, false, f::text, FunctionGroup::Text, "valor; formato_texto"},
    {"VALUE", "VALOR", 1, 1, false, f::value, FunctionGroup::Text, "texto"},
    {"DATE", "DATA", 3, 3, false, f::date, FunctionGroup::DateTime, "ano; mês; dia"},
    {"YEAR", "ANO", 1, 1, false, f::year, FunctionGroup::DateTime, "núm_série"},
    {"MONTH", "MÊS|MES", 1, 1, false, f::month, FunctionGroup::DateTime, "núm_série"},
    {"DAY", "DIA", 1, 1, false, f::day, FunctionGroup::DateTime, "núm_série"},
    {"TODAY", "HOJE", 0, 0, true, f::today, FunctionGroup::DateTime, ""},
    {"NOW", "AGORA", 0, 0, true, f::now, FunctionGroup::DateTime, ""},
    {"EOMONTH", "FIMMÊS|FIMMES", 2, 2, false, f::endOfMonth, FunctionGroup::DateTime, "data_inicial; meses"},
    {"EDATE", "DATAM", 2, 2, false, f::addMonths, FunctionGroup::DateTime, "data_inicial; meses"},
    {"VLOOKUP", "PROCV", 3, 4, false, f::verticalLookup, FunctionGroup::Lookup, "valor_procurado; matriz_tabela; núm_índice_coluna; [procurar_intervalo]"},
    {"HLOOKUP", "PROCH", 3, 4, false, f::horizontalLookup, FunctionGroup::Lookup, "valor_procurado; matriz_tabela; núm_índice_lin; [procurar_intervalo]"},
    {"INDEX", "ÍNDICE|INDICE", 2, 3, false, f::index, FunctionGroup::Lookup, "matriz; núm_linha; [núm_coluna]"},
    {"MATCH", "CORRESP", 2, 3, false, f::match, FunctionGroup::Lookup, "valor_procurado; matriz_procurada; [tipo_correspondência]"},
    {"NA", "NÃO.DISP|NAO.DISP", 0, 0, false, f::notAvailable, FunctionGroup::Information, ""},
    {"ISNA", "É.NÃO.DISP|E.NAO.DISP", 1, 1, false, f::isNA, FunctionGroup::Information, "valor"},
    {"TRUE", "VERDADEIRO", 0, 0, false, f::trueValue, FunctionGroup::Logical, ""},
    {"FALSE", "FALSO", 0, 0, false, f::falseValue, FunctionGroup::Logical, ""},
    {"CHOOSE", "ESCOLHER", 2, kAny, false, f::choose, FunctionGroup::Lookup, "núm_índice; valor1; [valor2]; ..."},
    {"ROW", "LIN", 0, 1, false, f::row, FunctionGroup::Lookup, "[ref]"},
    {"COLUMN", "COL", 0, 1, false, f::column, FunctionGroup::Lookup, "[ref]"},
    {"ISERR", "ÉERRO|EERRO", 1, 1, false, f::isErr, FunctionGroup::Information, "valor"},
    {"PRODUCT", "MULT", 1, kAny, false, f::product, FunctionGroup::Math, "núm1; [núm2]; ..."},
});

QHash<QString, int> buildNameIndex()
{
    QHash<QString, int> index;
    for (int i = 0; i < static_cast<int>(kFunctions.size()); ++i) {
        const BuiltinFunction& entry = kFunctions[static_cast<std::size_t>(i)];
        index.insert(QString::fromUtf8(entry.name), i);
        if (entry.aliases) {
            for (const QString& alias : QString::fromUtf8(entry.aliases).split(QLatin1Char('|'))) {
                index.insert(alias.toUpper(), i);
            }
        }
    }
    return index;
}

}  // namespace

std::span<const BuiltinFunction> builtinFunctions()
{
    return kFunctions;
}

int findBuiltin(QStringView name)
{
    static const QHash<QString, int> index = buildNameIndex();
    return index.value(name.toString().toUpper(), -1);
}

}  // namespace spreadsheet
