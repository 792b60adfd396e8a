#include "FunctionTables.h"

#include "AggregateFunctions.h"
#include "ConditionalFunctions.h"
#include "DescriptiveFunctions.h"
#include "RegressionFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

constexpr auto S = FunctionGroup::Statistical;
constexpr auto M = FunctionGroup::Math;
constexpr int kAny = -1;

// Every other argument from first on takes a range; the arguments past the
// 31st share one bit, so they all do.
constexpr std::uint32_t everyOther(int first)
{
    std::uint32_t mask = rangeArg(31);
    for (int i = first; i < 31; i += 2) {
        mask |= rangeArg(i);
    }
    return mask;
}

constexpr std::uint32_t kIfsRanges = rangeArg(0) | everyOther(1);
constexpr std::uint32_t kCountIfsRanges = everyOther(0);
constexpr std::uint32_t kFirst = rangeArg(0);
constexpr std::uint32_t kTwo = rangeArg(0) | rangeArg(1);
constexpr std::uint32_t kThree = rangeArg(0) | rangeArg(1) | rangeArg(2);

// Each compatibility name (STDEV, PERCENTILE, RANK...) shares its
// implementation with the function that replaced it.
constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"SUMIFS", "SOMASES", 3, kAny, false, sumIfs, M, "intervalo_soma; intervalo_critérios1; critérios1; ...", kIfsRanges, "Soma as células que atendem a vários critérios."},
    {"COUNTIFS", "CONT.SES", 2, kAny, false, countIfs, S, "intervalo_critérios1; critérios1; ...", kCountIfsRanges, "Conta as células que atendem a vários critérios."},
    {"AVERAGEIF", "MÉDIASE|MEDIASE", 2, 3, false, averageIf, S, "intervalo; critérios; [intervalo_média]", rangeArg(0) | rangeArg(2), "Retorna a média das células que atendem a um critério."},
    {"AVERAGEIFS", "MÉDIASES|MEDIASES", 3, kAny, false, averageIfs, S, "intervalo_média; intervalo_critérios1; critérios1; ...", kIfsRanges, "Retorna a média das células que atendem a vários critérios."},
    {"MAXIFS", "MÁXIMOSES|MAXIMOSES", 3, kAny, false, maxIfs, S, "intervalo_máximo; intervalo_critérios1; critérios1; ...", kIfsRanges, "Retorna o maior número das células que atendem a vários critérios."},
    {"MINIFS", "MÍNIMOSES|MINIMOSES", 3, kAny, false, minIfs, S, "intervalo_mínimo; intervalo_critérios1; critérios1; ...", kIfsRanges, "Retorna o menor número das células que atendem a vários critérios."},
    {"COUNTBLANK", "CONTAR.VAZIO", 1, 1, false, countBlank, S, "intervalo", kFirst, "Conta as células vazias de um intervalo."},
    {"MEDIAN", "MED", 1, kAny, false, median, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a mediana dos números."},
    {"MODE", "MODO", 1, kAny, false, modeSingle, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna o valor que mais se repete nos números."},
    {"MODE.SNGL", "MODO.ÚNICO|MODO.UNICO", 1, kAny, false, modeSingle, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna o valor que mais se repete nos números."},
    {"MODE.MULT", "MODO.MULT", 1, kAny, false, modeMultiple, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna numa coluna todos os valores que mais se repetem nos números."},
    {"STDEV", "DESVPAD", 1, kAny, false, stdevS, S, "núm1; [núm2]; ...", kRangeArgs, "Estima o desvio padrão a partir de uma amostra."},
    {"STDEV.S", "DESVPAD.A", 1, kAny, false, stdevS, S, "núm1; [núm2]; ...", kRangeArgs, "Estima o desvio padrão a partir de uma amostra."},
    {"STDEVP", "DESVPADP", 1, kAny, false, stdevP, S, "núm1; [núm2]; ...", kRangeArgs, "Calcula o desvio padrão de toda a população."},
    {"STDEV.P", "DESVPAD.P", 1, kAny, false, stdevP, S, "núm1; [núm2]; ...", kRangeArgs, "Calcula o desvio padrão de toda a população."},
    {"VAR", nullptr, 1, kAny, false, varS, S, "núm1; [núm2]; ...", kRangeArgs, "Estima a variância a partir de uma amostra."},
    {"VAR.S", "VAR.A", 1, kAny, false, varS, S, "núm1; [núm2]; ...", kRangeArgs, "Estima a variância a partir de uma amostra."},
    {"VARP", nullptr, 1, kAny, false, varP, S, "núm1; [núm2]; ...", kRangeArgs, "Calcula a variância de toda a população."},
    {"VAR.P", nullptr, 1, kAny, false, varP, S, "núm1; [núm2]; ...", kRangeArgs, "Calcula a variância de toda a população."},
    {"LARGE", "MAIOR", 2, 2, false, large, S, "matriz; k", kFirst, "Retorna o k-ésimo maior valor de um conjunto de dados."},
    {"SMALL", "MENOR", 2, 2, false, small, S, "matriz; k", kFirst, "Retorna o k-ésimo menor valor de um conjunto de dados."},
    {"RANK", "ORDEM", 2, 3, false, rankEq, S, "núm; ref; [ordem]", rangeArg(1), "Retorna a posição de um número numa lista de números."},
    {"RANK.EQ", "ORDEM.EQ", 2, 3, false, rankEq, S, "núm; ref; [ordem]", rangeArg(1), "Retorna a posição de um número numa lista, a mais alta entre valores iguais."},
    {"RANK.AVG", "ORDEM.MÉD|ORDEM.MED", 2, 3, false, rankAvg, S, "núm; ref; [ordem]", rangeArg(1), "Retorna a posição de um número numa lista, a média entre valores iguais."},
    {"PERCENTILE", "PERCENTIL", 2, 2, false, percentileInc, S, "matriz; k", kFirst, "Retorna o k-ésimo percentil dos valores, k de 0 a 1 inclusive."},
    {"PERCENTILE.INC", "PERCENTIL.INC", 2, 2, false, percentileInc, S, "matriz; k", kFirst, "Retorna o k-ésimo percentil dos valores, k de 0 a 1 inclusive."},
    {"PERCENTILE.EXC", "PERCENTIL.EXC", 2, 2, false, percentileExc, S, "matriz; k", kFirst, "Retorna o k-ésimo percentil dos valores, k entre 0 e 1 exclusive."},
    {"QUARTILE", "QUARTIL", 2, 2, false, quartileInc, S, "matriz; quarto", kFirst, "Retorna o quartil de um conjunto de dados, de 0 a 4."},
    {"QUARTILE.INC", "QUARTIL.INC", 2, 2, false, quartileInc, S, "matriz; quarto", kFirst, "Retorna o quartil de um conjunto de dados, de 0 a 4."},
    {"QUARTILE.EXC", "QUARTIL.EXC", 2, 2, false, quartileExc, S, "matriz; quarto", kFirst, "Retorna o quartil de um conjunto de dados, de 1 a 3, com percentis exclusivos."},
    {"SUBTOTAL", nullptr, 2, kAny, false, subtotal, M, "núm_função; ref1; [ref2]; ...", kRangeArgs & ~rangeArg(0), "Retorna um subtotal de uma lista, sem contar outros subtotais."},
    {"AGGREGATE", "AGREGAR", 3, kAny, false, aggregate, M, "núm_função; opções; ref1; [ref2]; ...", kRangeArgs & ~kTwo, "Retorna uma agregação de uma lista, podendo ignorar linhas ocultas e erros."},
    {"CORREL", nullptr, 2, 2, false, correl, S, "matriz1; matriz2", kTwo, "Retorna o coeficiente de correlação entre dois conjuntos de dados."},
    {"PEARSON", nullptr, 2, 2, false, correl, S, "matriz1; matriz2", kTwo, "Retorna o coeficiente de correlação de Pearson entre dois conjuntos de dados."},
    {"RSQ", "RQUAD", 2, 2, false, rsq, S, "val_conhecidos_y; val_conhecidos_x", kTwo, "Retorna o quadrado do coeficiente de correlação de Pearson."},
    {"SLOPE", "INCLINAÇÃO|INCLINACAO", 2, 2, false, slope, S, "val_conhecidos_y; val_conhecidos_x", kTwo, "Retorna a inclinação da reta de regressão linear."},
    {"INTERCEPT", "INTERCEPÇÃO|INTERCEPCAO", 2, 2, false, intercept, S, "val_conhecidos_y; val_conhecidos_x", kTwo, "Retorna o ponto em que a reta de regressão linear corta o eixo y."},
    {"STEYX", "EPADYX", 2, 2, false, steyx, S, "val_conhecidos_y; val_conhecidos_x", kTwo, "Retorna o erro padrão do y previsto pela regressão para cada x."},
    {"COVAR", nullptr, 2, 2, false, covarianceP, S, "matriz1; matriz2", kTwo, "Retorna a covariância da população, a média dos produtos dos desvios."},
    {"COVARIANCE.P", "COVARIAÇÃO.P|COVARIACAO.P", 2, 2, false, covarianceP, S, "matriz1; matriz2", kTwo, "Retorna a covariância da população, a média dos produtos dos desvios."},
    {"COVARIANCE.S", "COVARIAÇÃO.S|COVARIACAO.S", 2, 2, false, covarianceS, S, "matriz1; matriz2", kTwo, "Retorna a covariância de uma amostra."},
    {"FORECAST", "PREVISÃO|PREVISAO", 3, 3, false, forecast, S, "x; val_conhecidos_y; val_conhecidos_x", rangeArg(1) | rangeArg(2), "Prevê um valor pela tendência linear dos valores conhecidos."},
    {"FORECAST.LINEAR", "PREVISÃO.LINEAR|PREVISAO.LINEAR", 3, 3, false, forecast, S, "x; val_conhecidos_y; val_conhecidos_x", rangeArg(1) | rangeArg(2), "Prevê um valor pela tendência linear dos valores conhecidos."},
    {"TREND", "TENDÊNCIA|TENDENCIA", 1, 4, false, trend, S, "val_conhecidos_y; [val_conhecidos_x]; [novos_valores_x]; [constante]", kThree, "Retorna valores ao longo de uma tendência linear ajustada aos valores conhecidos."},
    {"GROWTH", "CRESCIMENTO", 1, 4, false, growth, S, "val_conhecidos_y; [val_conhecidos_x]; [novos_valores_x]; [constante]", kThree, "Retorna valores ao longo de uma tendência exponencial ajustada aos valores conhecidos."},
    {"LINEST", "PROJ.LIN", 1, 4, false, linest, S, "val_conhecidos_y; [val_conhecidos_x]; [constante]; [estatísticas]", kTwo, "Retorna os parâmetros da reta que melhor se ajusta aos dados, por mínimos quadrados."},
    {"LOGEST", "PROJ.LOG", 1, 4, false, logest, S, "val_conhecidos_y; [val_conhecidos_x]; [constante]; [estatísticas]", kTwo, "Retorna os parâmetros da curva exponencial que melhor se ajusta aos dados."},
    {"FREQUENCY", "FREQÜÊNCIA|FREQUENCIA", 2, 2, false, frequency, S, "matriz_dados; matriz_bin", kTwo, "Conta quantos valores caem em cada intervalo e retorna as contagens numa coluna."},
    {"PERMUT", nullptr, 2, 2, false, permut, S, "núm; núm_escolhido", kScalarArgs, "Retorna o número de permutações de um número de objetos tomados de um conjunto."},
    {"PERMUTATIONA", "PERMUTAS", 2, 2, false, permutationA, S, "núm; núm_escolhido", kScalarArgs, "Retorna o número de permutações com repetição de objetos de um conjunto."},
    {"STANDARDIZE", "PADRONIZAR", 3, 3, false, standardize, S, "x; média; desv_padrão", kScalarArgs, "Retorna um valor normalizado pela média e pelo desvio padrão."},
    {"STDEVA", "DESVPADA", 1, kAny, false, stdevA, S, "valor1; [valor2]; ...", kRangeArgs, "Estima o desvio padrão de uma amostra, contando textos e valores lógicos."},
    {"STDEVPA", "DESVPADPA", 1, kAny, false, stdevPA, S, "valor1; [valor2]; ...", kRangeArgs, "Calcula o desvio padrão da população, contando textos e valores lógicos."},
    {"VARA", nullptr, 1, kAny, false, varA, S, "valor1; [valor2]; ...", kRangeArgs, "Estima a variância de uma amostra, contando textos e valores lógicos."},
    {"VARPA", nullptr, 1, kAny, false, varPA, S, "valor1; [valor2]; ...", kRangeArgs, "Calcula a variância da população, contando textos e valores lógicos."},
    {"AVERAGEA", "MÉDIAA|MEDIAA", 1, kAny, false, averageA, S, "valor1; [valor2]; ...", kRangeArgs, "Retorna a média dos argumentos, contando textos como 0 e valores lógicos."},
    {"MAXA", "MÁXIMOA|MAXIMOA", 1, kAny, false, maxA, S, "valor1; [valor2]; ...", kRangeArgs, "Retorna o maior valor dos argumentos, contando textos e valores lógicos."},
    {"MINA", "MÍNIMOA|MINIMOA", 1, kAny, false, minA, S, "valor1; [valor2]; ...", kRangeArgs, "Retorna o menor valor dos argumentos, contando textos e valores lógicos."},
    {"AVEDEV", "DESV.MÉDIO|DESV.MEDIO", 1, kAny, false, aveDev, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a média dos desvios absolutos dos números em relação à sua média."},
    {"DEVSQ", "DESVQ", 1, kAny, false, devSq, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a soma dos quadrados dos desvios em relação à média."},
    {"GEOMEAN", "MÉDIA.GEOMÉTRICA|MEDIA.GEOMETRICA", 1, kAny, false, geoMean, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a média geométrica de números positivos."},
    {"HARMEAN", "MÉDIA.HARMÔNICA|MEDIA.HARMONICA", 1, kAny, false, harMean, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a média harmônica de números positivos."},
    {"TRIMMEAN", "MÉDIA.INTERNA|MEDIA.INTERNA", 2, 2, false, trimMean, S, "matriz; porcentagem", kFirst, "Retorna a média dos dados sem uma porcentagem dos valores das pontas."},
    {"KURT", "CURT", 1, kAny, false, kurt, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a curtose de um conjunto de dados."},
    {"SKEW", "DISTORÇÃO|DISTORCAO", 1, kAny, false, skew, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a assimetria de uma distribuição a partir de uma amostra."},
    {"SKEW.P", "DISTORÇÃO.P|DISTORCAO.P", 1, kAny, false, skewP, S, "núm1; [núm2]; ...", kRangeArgs, "Retorna a assimetria de uma distribuição a partir de toda a população."},
    {"PERCENTRANK", "ORDEM.PORCENTUAL", 2, 3, false, percentRankInc, S, "matriz; x; [significância]", kFirst, "Retorna a posição percentual de um valor num conjunto de dados, de 0 a 1 inclusive."},
    {"PERCENTRANK.INC", "ORDEM.PORCENTUAL.INC", 2, 3, false, percentRankInc, S, "matriz; x; [significância]", kFirst, "Retorna a posição percentual de um valor num conjunto de dados, de 0 a 1 inclusive."},
    {"PERCENTRANK.EXC", "ORDEM.PORCENTUAL.EXC", 2, 3, false, percentRankExc, S, "matriz; x; [significância]", kFirst, "Retorna a posição percentual de um valor num conjunto de dados, entre 0 e 1 exclusive."},
});

}  // namespace

std::span<const BuiltinFunction> statisticalTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
