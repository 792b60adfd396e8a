#include "BuiltinFunctions.h"

#include "../FormulaWords.h"

#include "FunctionTables.h"

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
#include <vector>

namespace spreadsheet {

namespace {

namespace f = functions;

constexpr int kAny = -1;

// The first functions of the engine; the rest live in their groups' tables.
constexpr std::array kFunctions = std::to_array<BuiltinFunction>({
    // name, Portuguese aliases, min, max, volatile, implementation, group, arguments as pt-BR users read
    // them, arguments taken whole, description
    {"SUM", "SOMA", 1, kAny, false, f::sum, FunctionGroup::Math, "núm1; [núm2]; ...", kRangeArgs, "Soma todos os números dos argumentos."},
    {"AVERAGE", "MÉDIA|MEDIA", 1, kAny, false, f::average, FunctionGroup::Statistical, "núm1; [núm2]; ...", kRangeArgs, "Retorna a média aritmética dos argumentos."},
    {"COUNT", "CONT.NÚM|CONT.NUM", 1, kAny, false, f::count, FunctionGroup::Statistical, "valor1; [valor2]; ...", kRangeArgs, "Conta quantos números há nos argumentos."},
    {"COUNTA", "CONT.VALORES", 1, kAny, false, f::countA, FunctionGroup::Statistical, "valor1; [valor2]; ...", kRangeArgs, "Conta as células não vazias e os valores dos argumentos."},
    {"MAX", "MÁXIMO|MAXIMO", 1, kAny, false, f::maximum, FunctionGroup::Statistical, "núm1; [núm2]; ...", kRangeArgs, "Retorna o maior número dos argumentos."},
    {"MIN", "MÍNIMO|MINIMO", 1, kAny, false, f::minimum, FunctionGroup::Statistical, "núm1; [núm2]; ...", kRangeArgs, "Retorna o menor número dos argumentos."},
    {"ROUND", "ARRED", 2, 2, false, f::round, FunctionGroup::Math, "núm; núm_dígitos", kScalarArgs, "Arredonda um número até o número de dígitos indicado."},
    {"ROUNDUP", "ARREDONDAR.PARA.CIMA", 2, 2, false, f::roundUp, FunctionGroup::Math, "núm; núm_dígitos", kScalarArgs, "Arredonda um número para cima, afastando-o de zero."},
    {"ROUNDDOWN", "ARREDONDAR.PARA.BAIXO", 2, 2, false, f::roundDown, FunctionGroup::Math, "núm; núm_dígitos", kScalarArgs, "Arredonda um número para baixo, aproximando-o de zero."},
    {"INT", nullptr, 1, 1, false, f::integer, FunctionGroup::Math, "núm", kScalarArgs, "Arredonda um número para baixo até o inteiro mais próximo."},
    {"TRUNC", "TRUNCAR", 1, 2, false, f::truncate, FunctionGroup::Math, "núm; [núm_dígitos]", kScalarArgs, "Trunca um número, removendo a parte fracionária."},
    {"ABS", nullptr, 1, 1, false, f::absolute, FunctionGroup::Math, "núm", kScalarArgs, "Retorna o valor absoluto de um número."},
    {"MOD", nullptr, 2, 2, false, f::modulo, FunctionGroup::Math, "núm; divisor", kScalarArgs, "Retorna o resto da divisão de um número por um divisor."},
    {"POWER", "POTÊNCIA|POTENCIA", 2, 2, false, f::power, FunctionGroup::Math, "núm; potência", kScalarArgs, "Retorna um número elevado a uma potência."},
    {"SQRT", "RAIZ", 1, 1, false, f::squareRoot, FunctionGroup::Math, "núm", kScalarArgs, "Retorna a raiz quadrada positiva de um número."},
    {"SUMIF", "SOMASE", 2, 3, false, f::sumIf, FunctionGroup::Math, "intervalo; critérios; [intervalo_soma]", rangeArg(0) | rangeArg(2), "Soma as células que atendem a um critério."},
    {"COUNTIF", "CONT.SE", 2, 2, false, f::countIf, FunctionGroup::Statistical, "intervalo; critérios", rangeArg(0), "Conta as células que atendem a um critério."},
    {"SUMPRODUCT", "SOMARPRODUTO", 1, kAny, false, f::sumProduct, FunctionGroup::Math, "matriz1; [matriz2]; ...", kRangeArgs, "Retorna a soma dos produtos dos elementos correspondentes das matrizes."},
    {"IF", "SE", 2, 3, false, f::ifThenElse, FunctionGroup::Logical, "teste_lógico; [valor_se_verdadeiro]; [valor_se_falso]", kScalarArgs, "Retorna um valor se a condição for verdadeira e outro se for falsa."},
    {"AND", "E", 1, kAny, false, f::allTrue, FunctionGroup::Logical, "lógico1; [lógico2]; ...", kRangeArgs, "Retorna VERDADEIRO se todos os argumentos forem verdadeiros."},
    {"OR", "OU", 1, kAny, false, f::anyTrue, FunctionGroup::Logical, "lógico1; [lógico2]; ...", kRangeArgs, "Retorna VERDADEIRO se algum argumento for verdadeiro."},
    {"NOT", "NÃO|NAO", 1, 1, false, f::negation, FunctionGroup::Logical, "lógico", kScalarArgs, "Inverte o valor lógico do argumento."},
    {"IFERROR", "SEERRO", 2, 2, false, f::ifError, FunctionGroup::Logical, "valor; valor_se_erro", kScalarArgs, "Retorna o valor indicado se a expressão der erro; senão, a própria expressão."},
    {"ISBLANK", "ÉCÉL.VAZIA|ECEL.VAZIA", 1, 1, false, f::isBlank, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor se referir a uma célula vazia."},
    {"ISNUMBER", "ÉNÚM|ENUM", 1, 1, false, f::isNumber, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor for um número."},
    {"ISTEXT", "ÉTEXTO|ETEXTO", 1, 1, false, f::isText, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor for um texto."},
    {"ISERROR", "ÉERROS|EERROS", 1, 1, false, f::isError, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor for qualquer erro."},
    {"CONCATENATE", "CONCATENAR", 1, kAny, false, f::concatenate, FunctionGroup::Text, "texto1; [texto2]; ...", kScalarArgs, "Junta vários textos em um só."},
    {"LEFT", "ESQUERDA", 1, 2, false, f::left, FunctionGroup::Text, "texto; [núm_caract]", kScalarArgs, "Retorna os primeiros caracteres de um texto."},
    {"RIGHT", "DIREITA", 1, 2, false, f::right, FunctionGroup::Text, "texto; [núm_caract]", kScalarArgs, "Retorna os últimos caracteres de um texto."},
    {"MID", "EXT.TEXTO", 3, 3, false, f::mid, FunctionGroup::Text, "texto; núm_inicial; núm_caract", kScalarArgs, "Retorna os caracteres do meio de um texto, a partir da posição indicada."},
    {"LEN", "NÚM.CARACT|NUM.CARACT", 1, 1, false, f::length, FunctionGroup::Text, "texto", kScalarArgs, "Retorna o número de caracteres de um texto."},
    {"UPPER", "MAIÚSCULA|MAIUSCULA", 1, 1, false, f::upper, FunctionGroup::Text, "texto", kScalarArgs, "Converte o texto em maiúsculas."},
    {"LOWER", "MINÚSCULA|MINUSCULA", 1, 1, false, f::lower, FunctionGroup::Text, "texto", kScalarArgs, "Converte o texto em minúsculas."},
    {"TRIM", "ARRUMAR", 1, 1, false, f::trim, FunctionGroup::Text, "texto", kScalarArgs, "Remove os espaços do texto, exceto os simples entre palavras."},
    {"SUBSTITUTE", "SUBSTITUIR", 3, 4, false, f::substitute, FunctionGroup::Text, "texto; texto_antigo; novo_texto; [núm_da_ocorrência]", kScalarArgs, "Substitui um texto antigo por um novo dentro de um texto."},
    {"FIND", "PROCURAR", 2, 3, false, f::find, FunctionGroup::Text, "texto_procurado; no_texto; [núm_inicial]", kScalarArgs, "Localiza um texto dentro de outro, diferenciando maiúsculas de minúsculas."},
    {"SEARCH", "LOCALIZAR", 2, 3, false, f::search, FunctionGroup::Text, "texto_procurado; no_texto; [núm_inicial]", kScalarArgs, "Localiza um texto dentro de outro, sem diferenciar maiúsculas e aceitando curingas."},
    {"TEXT", "TEXTO", 2, 2, false, f::text, FunctionGroup::Text, "valor; formato_texto", kScalarArgs, "Formata um número e o converte em texto."},
    {"VALUE", "VALOR", 1, 1, false, f::value, FunctionGroup::Text, "texto", kScalarArgs, "Converte em número um texto que representa um número."},
    {"DATE", "DATA", 3, 3, false, f::date, FunctionGroup::DateTime, "ano; mês; dia", kScalarArgs, "Retorna o número de série de uma data."},
    {"YEAR", "ANO", 1, 1, false, f::year, FunctionGroup::DateTime, "núm_série", kScalarArgs, "Retorna o ano de uma data."},
    {"MONTH", "MÊS|MES", 1, 1, false, f::month, FunctionGroup::DateTime, "núm_série", kScalarArgs, "Retorna o mês de uma data, de 1 a 12."},
    {"DAY", "DIA", 1, 1, false, f::day, FunctionGroup::DateTime, "núm_série", kScalarArgs, "Retorna o dia do mês de uma data, de 1 a 31."},
    {"TODAY", "HOJE", 0, 0, true, f::today, FunctionGroup::DateTime, "", kScalarArgs, "Retorna a data de hoje."},
    {"NOW", "AGORA", 0, 0, true, f::now, FunctionGroup::DateTime, "", kScalarArgs, "Retorna a data e a hora atuais."},
    {"EOMONTH", "FIMMÊS|FIMMES", 2, 2, false, f::endOfMonth, FunctionGroup::DateTime, "data_inicial; meses", kScalarArgs, "Retorna o último dia do mês, meses antes ou depois da data inicial."},
    {"EDATE", "DATAM", 2, 2, false, f::addMonths, FunctionGroup::DateTime, "data_inicial; meses", kScalarArgs, "Retorna a data que fica um número de meses antes ou depois da data inicial."},
    {"VLOOKUP", "PROCV", 3, 4, false, f::verticalLookup, FunctionGroup::Lookup, "valor_procurado; matriz_tabela; núm_índice_coluna; [procurar_intervalo]", rangeArg(1), "Procura um valor na primeira coluna de uma tabela e retorna o valor de outra coluna na mesma linha."},
    {"HLOOKUP", "PROCH", 3, 4, false, f::horizontalLookup, FunctionGroup::Lookup, "valor_procurado; matriz_tabela; núm_índice_lin; [procurar_intervalo]", rangeArg(1), "Procura um valor na primeira linha de uma tabela e retorna o valor de outra linha na mesma coluna."},
    {"INDEX", "ÍNDICE|INDICE", 2, 4, false, f::index, FunctionGroup::Lookup, "matriz; núm_linha; [núm_coluna]; [núm_área]", rangeArg(0), "Retorna o valor ou a referência da célula na interseção de uma linha e de uma coluna."},
    {"MATCH", "CORRESP", 2, 3, false, f::match, FunctionGroup::Lookup, "valor_procurado; matriz_procurada; [tipo_correspondência]", rangeArg(1), "Retorna a posição de um valor em um intervalo."},
    {"NA", "NÃO.DISP|NAO.DISP", 0, 0, false, f::notAvailable, FunctionGroup::Information, "", kScalarArgs, "Retorna o valor de erro #N/D."},
    {"ISNA", "É.NÃO.DISP|E.NAO.DISP", 1, 1, false, f::isNA, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor for o erro #N/D."},
    {"TRUE", "VERDADEIRO", 0, 0, false, f::trueValue, FunctionGroup::Logical, "", kScalarArgs, "Retorna o valor lógico VERDADEIRO."},
    {"FALSE", "FALSO", 0, 0, false, f::falseValue, FunctionGroup::Logical, "", kScalarArgs, "Retorna o valor lógico FALSO."},
    {"CHOOSE", "ESCOLHER", 2, kAny, false, f::choose, FunctionGroup::Lookup, "núm_índice; valor1; [valor2]; ...", kRangeArgs & ~rangeArg(0), "Escolhe um valor de uma lista pelo número do índice."},
    {"ROW", "LIN", 0, 1, false, f::row, FunctionGroup::Lookup, "[ref]", rangeArg(0), "Retorna o número da linha de uma referência."},
    {"COLUMN", "COL", 0, 1, false, f::column, FunctionGroup::Lookup, "[ref]", rangeArg(0), "Retorna o número da coluna de uma referência."},
    {"ISERR", "ÉERRO|EERRO", 1, 1, false, f::isErr, FunctionGroup::Information, "valor", kScalarArgs, "Retorna VERDADEIRO se o valor for um erro diferente de #N/D."},
    {"PRODUCT", "MULT", 1, kAny, false, f::product, FunctionGroup::Math, "núm1; [núm2]; ...", kRangeArgs, "Multiplica todos os números dos argumentos."},
});

std::vector<BuiltinFunction> buildTable()
{
    std::vector<BuiltinFunction> all(kFunctions.begin(), kFunctions.end());
    for (auto table : {f::mathTable, f::statisticalTable, f::distributionTable, f::textTable, f::logicalTable,
                       f::dateTable, f::lookupTable, f::arrayTable, f::financialTable, f::engineeringTable,
                       f::databaseTable}) {
        const std::span<const BuiltinFunction> rows = table();
        all.insert(all.end(), rows.begin(), rows.end());
    }
    return all;
}

const std::vector<BuiltinFunction>& table()
{
    static const std::vector<BuiltinFunction> all = buildTable();
    return all;
}

QHash<QString, int> buildNameIndex()
{
    QHash<QString, int> index;
    const std::vector<BuiltinFunction>& all = table();
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        const BuiltinFunction& entry = all[static_cast<std::size_t>(i)];
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
    return table();
}

int findBuiltin(QStringView name)
{
    return findBuiltinKey(functionNameKey(name));
}

int findBuiltinKey(const QString& key)
{
    static const QHash<QString, int> index = buildNameIndex();
    return index.value(key, -1);
}

}  // namespace spreadsheet
