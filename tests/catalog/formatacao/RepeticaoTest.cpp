// REPT's count: rounding to even, the empty cases, and the bounds that keep a
// formula from exhausting memory.

#include "TestPrinters.h"

#include "catalog/ErroFormatacao.h"
#include "catalog/Repeticao.h"

#include <gtest/gtest.h>

#include <limits>

using catalog::ErroFormatacao;
using catalog::Repeticao;

namespace {

QString repetir(const char* texto, double vezes)
{
    return Repeticao::repetir(QString::fromUtf8(texto), vezes);
}

}  // namespace

TEST(Repeticao, RoundsTheCountHalvesToEvenAndGivesNothingBelowOne)
{
    const struct {
        const char* texto;
        double vezes;
        const char* esperado;
    } casos[] = {
        {"ab", 3, "ababab"}, {"ab", 2.5, "abab"}, {"ab", 3.5, "abababab"}, {"ab", 2.51, "ababab"},
        {"ç", 1.4, "ç"},     {"ab", 0.5, ""},     {"ab", 0, ""},           {"ab", -3, ""},
        {"ab", -2.5, ""},    {"", 1000, ""},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(repetir(caso.texto, caso.vezes), QString::fromUtf8(caso.esperado)) << caso.texto << " " << caso.vezes;
    }
}

TEST(Repeticao, StopsAtTheLongestCellTextAndRefusesCountsThatAreNoWholeNumber)
{
    EXPECT_EQ(repetir("x", 32767).size(), Repeticao::kLimite);
    EXPECT_EQ(repetir("ab", 16383).size(), 32766);
    const double infinito = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> recusados[] = {
        {"x", 32768},  {"ab", 16384}, {"x", 1e12}, {"abc", 2147483647}, {"x", std::numeric_limits<double>::quiet_NaN()},
        {"x", infinito}, {"x", -infinito}, {"", 1e300}, {"x", -1e300},
    };
    for (const auto& [texto, vezes] : recusados) {
        EXPECT_THROW(repetir(texto, vezes), ErroFormatacao) << texto << " " << vezes;
    }
}
