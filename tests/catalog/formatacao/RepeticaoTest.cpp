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

TEST(Repeticao, RoundsTheCountHalvesToEven)
{
    EXPECT_EQ(repetir("ab", 3), "ababab");
    EXPECT_EQ(repetir("ab", 2.5), "abab");
    EXPECT_EQ(repetir("ab", 3.5), "abababab");
    EXPECT_EQ(repetir("ab", 2.51), "ababab");
    EXPECT_EQ(repetir("ç", 1.4), "ç");
    EXPECT_EQ(repetir("ab", 0.5), "");
}

TEST(Repeticao, GivesTheEmptyTextForNoRepetition)
{
    EXPECT_EQ(repetir("ab", 0), "");
    EXPECT_EQ(repetir("ab", -3), "");
    EXPECT_EQ(repetir("ab", -2.5), "");
    EXPECT_EQ(repetir("", 1000), "");
}

TEST(Repeticao, StopsAtTheLongestCellText)
{
    EXPECT_EQ(repetir("x", 32767).size(), Repeticao::kLimite);
    EXPECT_EQ(repetir("ab", 16383).size(), 32766);
    EXPECT_THROW(repetir("x", 32768), ErroFormatacao);
    EXPECT_THROW(repetir("ab", 16384), ErroFormatacao);
    EXPECT_THROW(repetir("x", 1e12), ErroFormatacao);
    EXPECT_THROW(repetir("abc", 2147483647), ErroFormatacao);
}

TEST(Repeticao, RejectsCountsThatAreNoWholeNumber)
{
    EXPECT_THROW(repetir("x", std::numeric_limits<double>::quiet_NaN()), ErroFormatacao);
    EXPECT_THROW(repetir("x", std::numeric_limits<double>::infinity()), ErroFormatacao);
    EXPECT_THROW(repetir("x", -std::numeric_limits<double>::infinity()), ErroFormatacao);
    EXPECT_THROW(repetir("", 1e300), ErroFormatacao);
    EXPECT_THROW(repetir("x", -1e300), ErroFormatacao);
}
