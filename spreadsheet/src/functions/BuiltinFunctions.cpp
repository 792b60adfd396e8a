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
    // name, Portuguese aliases, min, max, volatile, implementation
    {"SUM", "SOMA", 1, kAny, false, f::sum},
    {"AVERAGE", "MÉDIA|MEDIA", 1, kAny, false, f::average},
    {"COUNT", "CONT.NÚM|CONT.NUM", 1, kAny, false, f::count},
    {"COUNTA", "CONT.VALORES", 1, kAny, false, f::countA},
    {"MAX", "MÁXIMO|MAXIMO", 1, kAny, false, f::maximum},
    {"MIN", "MÍNIMO|MINIMO", 1, kAny, false, f::minimum},
    {"ROUND", "ARRED", 2, 2, false, f::round},
    {"ROUNDUP", "ARREDONDAR.PARA.CIMA", 2, 2, false, f::roundUp},
    {"ROUNDDOWN", "ARREDONDAR.PARA.BAIXO", 2, 2, false, f::roundDown},
    {"INT", nullptr, 1, 1, false, f::integer},
    {"TRUNC", "TRUNCAR", 1, 2, false, f::truncate},
    {"ABS", nullptr, 1, 1, false, f::absolute},
    {"MOD", nullptr, 2, 2, false, f::modulo},
    {"POWER", "POTÊNCIA|POTENCIA", 2, 2, false, f::power},
    {"SQRT", "RAIZ", 1, 1, false, f::squareRoot},
    {"SUMIF", "SOMASE", 2, 3, false, f::sumIf},
    {"COUNTIF", "CONT.SE", 2, 2, false, f::countIf},
    {"SUMPRODUCT", "SOMARPRODUTO", 1, kAny, false, f::sumProduct},
    {"IF", "SE", 2, 3, false, f::ifThenElse},
    {"AND", "E", 1, kAny, false, f::allTrue},
    {"OR", "OU", 1, kAny, false, f::anyTrue},
    {"NOT", "NÃO|NAO", 1, 1, false, f::negation},
    {"IFERROR", "SEERRO", 2, 2, false, f::ifError},
    {"ISBLANK", "ÉCÉL.VAZIA|ECEL.VAZIA", 1, 1, false, f::isBlank},
    {"ISNUMBER", "ÉNÚM|ENUM", 1, 1, false, f::isNumber},
    {"ISTEXT", "ÉTEXTO|ETEXTO", 1, 1, false, f::isText},
    {"ISERROR", "ÉERROS|EERROS", 1, 1, false, f::isError},
    {"CONCATENATE", "CONCATENAR", 1, kAny, false, f::concatenate},
    {"LEFT", "ESQUERDA", 1, 2, false, f::left},
    {"RIGHT", "DIREITA", 1, 2, false, f::right},
    {"MID", "EXT.TEXTO", 3, 3, false, f::mid},
    {"LEN", "NÚM.CARACT|NUM.CARACT", 1, 1, false, f::length},
    {"UPPER", "MAIÚSCULA|MAIUSCULA", 1, 1, false, f::upper},
    {"LOWER", "MINÚSCULA|MINUSCULA", 1, 1, false, f::lower},
    {"TRIM", "ARRUMAR", 1, 1, false, f::trim},
    {"SUBSTITUTE", "SUBSTITUIR", 3, 4, false, f::substitute},
    {"FIND", "PROCURAR", 2, 3, false, f::find},
    {"SEARCH", "LOCALIZAR", 2, 3, false, f::search},
    {"TEXT", "TEXTO", 2, 2, false, f::text},
    {"VALUE", "VALOR", 1, 1, false, f::value},
    {"DATE", "DATA", 3, 3, false, f::date},
    {"YEAR", "ANO", 1, 1, false, f::year},
    {"MONTH", "MÊS|MES", 1, 1, false, f::month},
    {"DAY", "DIA", 1, 1, false, f::day},
    {"TODAY", "HOJE", 0, 0, true, f::today},
    {"NOW", "AGORA", 0, 0, true, f::now},
    {"EOMONTH", "FIMMÊS|FIMMES", 2, 2, false, f::endOfMonth},
    {"EDATE", "DATAM", 2, 2, false, f::addMonths},
    {"VLOOKUP", "PROCV", 3, 4, false, f::verticalLookup},
    {"HLOOKUP", "PROCH", 3, 4, false, f::horizontalLookup},
    {"INDEX", "ÍNDICE|INDICE", 2, 3, false, f::index},
    {"MATCH", "CORRESP", 2, 3, false, f::match},
    {"NA", "NÃO.DISP|NAO.DISP", 0, 0, false, f::notAvailable},
    {"ISNA", "É.NÃO.DISP|E.NAO.DISP", 1, 1, false, f::isNA},
    {"TRUE", "VERDADEIRO", 0, 0, false, f::trueValue},
    {"FALSE", "FALSO", 0, 0, false, f::falseValue},
    {"CHOOSE", "ESCOLHER", 2, kAny, false, f::choose},
    {"ROW", "LIN", 0, 1, false, f::row},
    {"COLUMN", "COL", 0, 1, false, f::column},
    {"ISERR", "ÉERRO|EERRO", 1, 1, false, f::isErr},
    {"PRODUCT", "MULT", 1, kAny, false, f::product},
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
