#include "FunctionTables.h"

#include "DistributionFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

constexpr auto S = FunctionGroup::Statistical;
constexpr auto E = FunctionGroup::Engineering;
constexpr std::uint32_t kTwoRanges = rangeArg(0) | rangeArg(1);

// Each compatibility name (NORMDIST, CHITEST...) shares its implementation
// with the function that replaced it.
constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"NORM.DIST", "DIST.NORM.N", 4, 4, false, normDist, S, "x; média; desv_padrão; cumulativo", kScalarArgs, "Retorna a distribuição normal para a média e o desvio padrão indicados."},
    {"NORM.INV", "INV.NORM.N", 3, 3, false, normInv, S, "probabilidade; média; desv_padrão", kScalarArgs, "Retorna o inverso da distribuição cumulativa normal para a média e o desvio padrão indicados."},
    {"NORM.S.DIST", "DIST.NORMP.N", 2, 2, false, normSDist, S, "z; cumulativo", kScalarArgs, "Retorna a distribuição normal padrão, de média zero e desvio padrão um."},
    {"NORM.S.INV", "INV.NORMP.N", 1, 1, false, normSInv, S, "probabilidade", kScalarArgs, "Retorna o inverso da distribuição cumulativa normal padrão."},
    {"NORMDIST", "DISTNORM", 4, 4, false, normDist, S, "x; média; desv_padrão; cumulativo", kScalarArgs, "Retorna a distribuição normal para a média e o desvio padrão indicados."},
    {"NORMINV", "INV.NORM", 3, 3, false, normInv, S, "probabilidade; média; desv_padrão", kScalarArgs, "Retorna o inverso da distribuição cumulativa normal para a média e o desvio padrão indicados."},
    {"NORMSDIST", "DISTNORMP", 1, 1, false, normSDistLegacy, S, "z", kScalarArgs, "Retorna a distribuição cumulativa normal padrão."},
    {"NORMSINV", "INV.NORMP", 1, 1, false, normSInv, S, "probabilidade", kScalarArgs, "Retorna o inverso da distribuição cumulativa normal padrão."},
    {"LOGNORM.DIST", "DIST.LOGNORMAL.N", 4, 4, false, logNormDist, S, "x; média; desv_padrão; cumulativo", kScalarArgs, "Retorna a distribuição lognormal de x, em que ln(x) tem distribuição normal com a média e o desvio padrão indicados."},
    {"LOGNORM.INV", "INV.LOGNORMAL", 3, 3, false, logNormInv, S, "probabilidade; média; desv_padrão", kScalarArgs, "Retorna o inverso da distribuição cumulativa lognormal."},
    {"LOGNORMDIST", "DIST.LOGNORMAL", 3, 3, false, logNormDistLegacy, S, "x; média; desv_padrão", kScalarArgs, "Retorna a distribuição cumulativa lognormal de x."},
    {"LOGINV", "INVLOG", 3, 3, false, logNormInv, S, "probabilidade; média; desv_padrão", kScalarArgs, "Retorna o inverso da distribuição cumulativa lognormal."},
    {"T.DIST", "DIST.T", 3, 3, false, tDist, S, "x; graus_liberdade; cumulativo", kScalarArgs, "Retorna a distribuição t de Student de cauda esquerda."},
    {"T.DIST.2T", "DIST.T.BC", 2, 2, false, tDist2T, S, "x; graus_liberdade", kScalarArgs, "Retorna a distribuição t de Student bicaudal."},
    {"T.DIST.RT", "DIST.T.CD", 2, 2, false, tDistRt, S, "x; graus_liberdade", kScalarArgs, "Retorna a distribuição t de Student de cauda direita."},
    {"T.INV", "INV.T", 2, 2, false, tInv, S, "probabilidade; graus_liberdade", kScalarArgs, "Retorna o inverso de cauda esquerda da distribuição t de Student."},
    {"T.INV.2T", "INV.T.BC", 2, 2, false, tInv2T, S, "probabilidade; graus_liberdade", kScalarArgs, "Retorna o inverso bicaudal da distribuição t de Student."},
    {"TDIST", "DISTT", 3, 3, false, tDistLegacy, S, "x; graus_liberdade; caudas", kScalarArgs, "Retorna a probabilidade de uma ou das duas caudas da distribuição t de Student."},
    {"TINV", "INVT", 2, 2, false, tInv2T, S, "probabilidade; graus_liberdade", kScalarArgs, "Retorna o inverso bicaudal da distribuição t de Student."},
    {"T.TEST", "TESTE.T", 4, 4, false, tTest, S, "matriz1; matriz2; caudas; tipo", kTwoRanges, "Retorna a probabilidade associada ao teste t de Student."},
    {"TTEST", "TESTET", 4, 4, false, tTest, S, "matriz1; matriz2; caudas; tipo", kTwoRanges, "Retorna a probabilidade associada ao teste t de Student."},
    {"BINOM.DIST", "DISTR.BINOM", 4, 4, false, binomDist, S, "núm_s; tentativas; probabilidade_s; cumulativo", kScalarArgs, "Retorna a probabilidade da distribuição binomial do termo individual."},
    {"BINOM.DIST.RANGE", "DIST.BINOM.INTERVALO", 3, 4, false, binomDistRange, S, "tentativas; probabilidade_s; núm_s; [núm_s2]", kScalarArgs, "Retorna a probabilidade de o número de sucessos ficar entre dois valores, na distribuição binomial."},
    {"BINOM.INV", "INV.BINOM", 3, 3, false, binomInv, S, "tentativas; probabilidade_s; alfa", kScalarArgs, "Retorna o menor valor cuja distribuição binomial cumulativa é maior ou igual ao valor de alfa."},
    {"BINOMDIST", "DISTRBINOM", 4, 4, false, binomDist, S, "núm_s; tentativas; probabilidade_s; cumulativo", kScalarArgs, "Retorna a probabilidade da distribuição binomial do termo individual."},
    {"CRITBINOM", "CRIT.BINOM", 3, 3, false, binomInv, S, "tentativas; probabilidade_s; alfa", kScalarArgs, "Retorna o menor valor cuja distribuição binomial cumulativa é maior ou igual ao valor de alfa."},
    {"NEGBINOM.DIST", "DIST.BIN.NEG.N", 4, 4, false, negBinomDist, S, "núm_f; núm_s; probabilidade_s; cumulativo", kScalarArgs, "Retorna a distribuição binomial negativa, a probabilidade de haver núm_f fracassos antes do núm_s-ésimo sucesso."},
    {"NEGBINOMDIST", "DIST.BIN.NEG", 3, 3, false, negBinomDistLegacy, S, "núm_f; núm_s; probabilidade_s", kScalarArgs, "Retorna a probabilidade de haver núm_f fracassos antes do núm_s-ésimo sucesso."},
    {"HYPGEOM.DIST", "DIST.HIPERGEOM.N", 5, 5, false, hypGeomDist, S, "amostra_s; amostra_núm; população_s; núm_população; cumulativo", kScalarArgs, "Retorna a distribuição hipergeométrica."},
    {"HYPGEOMDIST", "DIST.HIPERGEOM", 4, 4, false, hypGeomDistLegacy, S, "amostra_s; amostra_núm; população_s; núm_população", kScalarArgs, "Retorna a probabilidade de um número de sucessos na amostra, na distribuição hipergeométrica."},
    {"POISSON.DIST", "DIST.POISSON", 3, 3, false, poissonDist, S, "x; média; cumulativo", kScalarArgs, "Retorna a distribuição de Poisson."},
    {"POISSON", nullptr, 3, 3, false, poissonDist, S, "x; média; cumulativo", kScalarArgs, "Retorna a distribuição de Poisson."},
    {"EXPON.DIST", "DIST.EXPON", 3, 3, false, exponDist, S, "x; lambda; cumulativo", kScalarArgs, "Retorna a distribuição exponencial."},
    {"EXPONDIST", "DISTEXPON", 3, 3, false, exponDist, S, "x; lambda; cumulativo", kScalarArgs, "Retorna a distribuição exponencial."},
    {"GAMMA", "GAMA", 1, 1, false, gammaFunction, S, "x", kScalarArgs, "Retorna o valor da função gama."},
    {"GAMMA.DIST", "DIST.GAMA", 4, 4, false, gammaDist, S, "x; alfa; beta; cumulativo", kScalarArgs, "Retorna a distribuição gama."},
    {"GAMMA.INV", "INV.GAMA", 3, 3, false, gammaInv, S, "probabilidade; alfa; beta", kScalarArgs, "Retorna o inverso da distribuição cumulativa gama."},
    {"GAMMADIST", "DISTGAMA", 4, 4, false, gammaDist, S, "x; alfa; beta; cumulativo", kScalarArgs, "Retorna a distribuição gama."},
    {"GAMMAINV", "INVGAMA", 3, 3, false, gammaInv, S, "probabilidade; alfa; beta", kScalarArgs, "Retorna o inverso da distribuição cumulativa gama."},
    {"GAMMALN", "LNGAMA", 1, 1, false, logGamma, S, "x", kScalarArgs, "Retorna o logaritmo natural da função gama."},
    {"GAMMALN.PRECISE", "LNGAMA.PRECISO", 1, 1, false, logGamma, S, "x", kScalarArgs, "Retorna o logaritmo natural da função gama."},
    {"BETA.DIST", "DIST.BETA", 4, 6, false, betaDist, S, "x; alfa; beta; cumulativo; [A]; [B]", kScalarArgs, "Retorna a distribuição beta."},
    {"BETA.INV", "INV.BETA", 3, 5, false, betaInv, S, "probabilidade; alfa; beta; [A]; [B]", kScalarArgs, "Retorna o inverso da distribuição cumulativa beta."},
    {"BETADIST", "DISTBETA", 3, 5, false, betaDistLegacy, S, "x; alfa; beta; [A]; [B]", kScalarArgs, "Retorna a distribuição cumulativa beta."},
    {"BETAINV", "BETA.ACUM.INV", 3, 5, false, betaInv, S, "probabilidade; alfa; beta; [A]; [B]", kScalarArgs, "Retorna o inverso da distribuição cumulativa beta."},
    {"CHISQ.DIST", "DIST.QUIQUA", 3, 3, false, chiSqDist, S, "x; graus_liberdade; cumulativo", kScalarArgs, "Retorna a distribuição qui-quadrado de cauda esquerda."},
    {"CHISQ.DIST.RT", "DIST.QUIQUA.CD", 2, 2, false, chiSqDistRt, S, "x; graus_liberdade", kScalarArgs, "Retorna a probabilidade de cauda direita da distribuição qui-quadrado."},
    {"CHISQ.INV", "INV.QUIQUA", 2, 2, false, chiSqInv, S, "probabilidade; graus_liberdade", kScalarArgs, "Retorna o inverso da probabilidade de cauda esquerda da distribuição qui-quadrado."},
    {"CHISQ.INV.RT", "INV.QUIQUA.CD", 2, 2, false, chiSqInvRt, S, "probabilidade; graus_liberdade", kScalarArgs, "Retorna o inverso da probabilidade de cauda direita da distribuição qui-quadrado."},
    {"CHISQ.TEST", "TESTE.QUIQUA", 2, 2, false, chiSqTest, S, "intervalo_real; intervalo_esperado", kTwoRanges, "Retorna o teste de independência qui-quadrado entre os valores observados e os esperados."},
    {"CHIDIST", "DIST.QUI", 2, 2, false, chiSqDistRt, S, "x; graus_liberdade", kScalarArgs, "Retorna a probabilidade de cauda direita da distribuição qui-quadrado."},
    {"CHIINV", "INV.QUI", 2, 2, false, chiSqInvRt, S, "probabilidade; graus_liberdade", kScalarArgs, "Retorna o inverso da probabilidade de cauda direita da distribuição qui-quadrado."},
    {"CHITEST", "TESTE.QUI", 2, 2, false, chiSqTest, S, "intervalo_real; intervalo_esperado", kTwoRanges, "Retorna o teste de independência qui-quadrado entre os valores observados e os esperados."},
    {"F.DIST", "DIST.F", 4, 4, false, fDist, S, "x; graus_liberdade1; graus_liberdade2; cumulativo", kScalarArgs, "Retorna a distribuição de probabilidade F de cauda esquerda."},
    {"F.DIST.RT", "DIST.F.CD", 3, 3, false, fDistRt, S, "x; graus_liberdade1; graus_liberdade2", kScalarArgs, "Retorna a distribuição de probabilidade F de cauda direita."},
    {"F.INV", "INV.F", 3, 3, false, fInv, S, "probabilidade; graus_liberdade1; graus_liberdade2", kScalarArgs, "Retorna o inverso da distribuição de probabilidade F de cauda esquerda."},
    {"F.INV.RT", "INV.F.CD", 3, 3, false, fInvRt, S, "probabilidade; graus_liberdade1; graus_liberdade2", kScalarArgs, "Retorna o inverso da distribuição de probabilidade F de cauda direita."},
    {"F.TEST", "TESTE.F", 2, 2, false, fTest, S, "matriz1; matriz2", kTwoRanges, "Retorna o resultado de um teste F, a probabilidade bicaudal de as variâncias das matrizes não diferirem."},
    {"FDIST", "DISTF", 3, 3, false, fDistRt, S, "x; graus_liberdade1; graus_liberdade2", kScalarArgs, "Retorna a distribuição de probabilidade F de cauda direita."},
    {"FINV", "INVF", 3, 3, false, fInvRt, S, "probabilidade; graus_liberdade1; graus_liberdade2", kScalarArgs, "Retorna o inverso da distribuição de probabilidade F de cauda direita."},
    {"FTEST", "TESTEF", 2, 2, false, fTest, S, "matriz1; matriz2", kTwoRanges, "Retorna o resultado de um teste F, a probabilidade bicaudal de as variâncias das matrizes não diferirem."},
    {"WEIBULL", nullptr, 4, 4, false, weibull, S, "x; alfa; beta; cumulativo", kScalarArgs, "Retorna a distribuição de Weibull."},
    {"WEIBULL.DIST", "DIST.WEIBULL", 4, 4, false, weibull, S, "x; alfa; beta; cumulativo", kScalarArgs, "Retorna a distribuição de Weibull."},
    {"CONFIDENCE", "INT.CONFIANÇA|INT.CONFIANCA", 3, 3, false, confidenceNorm, S, "alfa; desv_padrão; tamanho", kScalarArgs, "Retorna a metade da largura do intervalo de confiança de uma média, pela distribuição normal."},
    {"CONFIDENCE.NORM", "INT.CONFIANÇA.NORM|INT.CONFIANCA.NORM", 3, 3, false, confidenceNorm, S, "alfa; desv_padrão; tamanho", kScalarArgs, "Retorna a metade da largura do intervalo de confiança de uma média, pela distribuição normal."},
    {"CONFIDENCE.T", "INT.CONFIANÇA.T|INT.CONFIANCA.T", 3, 3, false, confidenceT, S, "alfa; desv_padrão; tamanho", kScalarArgs, "Retorna a metade da largura do intervalo de confiança de uma média, pela distribuição t de Student."},
    {"Z.TEST", "TESTE.Z", 2, 3, false, zTest, S, "matriz; x; [sigma]", rangeArg(0), "Retorna o valor P unicaudal de um teste z."},
    {"ZTEST", "TESTEZ", 2, 3, false, zTest, S, "matriz; x; [sigma]", rangeArg(0), "Retorna o valor P unicaudal de um teste z."},
    {"FISHER", nullptr, 1, 1, false, fisher, S, "x", kScalarArgs, "Retorna a transformação de Fisher."},
    {"FISHERINV", nullptr, 1, 1, false, fisherInv, S, "y", kScalarArgs, "Retorna o inverso da transformação de Fisher."},
    {"PHI", nullptr, 1, 1, false, phi, S, "x", kScalarArgs, "Retorna o valor da função de densidade da distribuição normal padrão."},
    {"GAUSS", nullptr, 1, 1, false, gauss, S, "x", kScalarArgs, "Retorna a probabilidade de um valor da normal padrão ficar entre a média e x desvios padrão dela."},
    {"PROB", nullptr, 3, 4, false, prob, S, "intervalo_x; intervalo_prob; limite_inferior; [limite_superior]", kTwoRanges, "Retorna a probabilidade de os valores de um intervalo ficarem entre dois limites."},
    {"ERF", "FUNERRO", 1, 2, false, errorFunction, E, "limite_inferior; [limite_superior]", kScalarArgs, "Retorna a função de erro integrada entre os limites inferior e superior."},
    {"ERF.PRECISE", "FUNERRO.PRECISO", 1, 1, false, errorFunctionPrecise, E, "x", kScalarArgs, "Retorna a função de erro integrada entre 0 e x."},
    {"ERFC", "FUNERROCOMPL", 1, 1, false, complementaryError, E, "x", kScalarArgs, "Retorna a função de erro complementar integrada entre x e infinito."},
    {"ERFC.PRECISE", "FUNERROCOMPL.PRECISO", 1, 1, false, complementaryError, E, "x", kScalarArgs, "Retorna a função de erro complementar integrada entre x e infinito."},
});

}  // namespace

std::span<const BuiltinFunction> distributionTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
