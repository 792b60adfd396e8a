#include "host/HostError.h"
#include "host/InclusionList.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

#include <limits>

namespace host {
namespace {

using namespace Qt::StringLiterals;

const QList<int> integerCodes{InclusionTypeInteger};

TInclusionPairs parse(const QString& text)
{
    return StrToInclusionExVUnique(text, integerCodes, 0);
}

QString errorOf(auto&& call)
{
    try {
        call();
    } catch (const HostError& error) {
        return error.message();
    }
    return {};
}

TEST(InclusionList, ParsesCodesAndRangesSortedAndMerged)
{
    EXPECT_EQ(parse(u"5;1..3;2;4"_s), (TInclusionPairs{{1, 5}}));
    EXPECT_EQ(parse(u" 10 ; 1..2 ;;7;  "_s), (TInclusionPairs{{1, 2}, {7, 7}, {10, 10}}));
    EXPECT_EQ(parse(u"3..8;1..4;20..30;25"_s), (TInclusionPairs{{1, 8}, {20, 30}}));
    EXPECT_EQ(parse(u"007;0"_s), (TInclusionPairs{{0, 0}, {7, 7}}));
    EXPECT_EQ(parse(u"1 .. 3"_s), (TInclusionPairs{{1, 3}}));
    EXPECT_EQ(parse(u"2147483646;2147483647"_s), (TInclusionPairs{{2147483646, 2147483647}}));
}

TEST(InclusionList, EmptyListHasNoPairs)
{
    EXPECT_TRUE(parse(QString()).empty());
    EXPECT_TRUE(parse(u" ; \t;"_s).empty());
}

TEST(InclusionList, RejectsAnythingButCodesAndRanges)
{
    const QStringList hostile{
        u"x"_s,
        u"1; DROP TABLE x"_s,
        u"1 OR 1=1"_s,
        u"1..2)--"_s,
        u"'"_s,
        u"-1"_s,
        u"+1"_s,
        u"1.5"_s,
        u"1...3"_s,
        u"..3"_s,
        u"3.."_s,
        u"5..1"_s,
        u"1,2"_s,
        u"1 2"_s,
        u"2147483648"_s,
        u"99999999999999999999"_s,
        u"\u0661\u0662"_s /* Arabic-Indic digits */,
        u"\uFF11"_s /* full width 1 */,
        u"1\u00A0"_s /* no-break space */,
    };
    for (const QString& text : hostile) {
        const QString error = errorOf([&] { parse(text); });
        EXPECT_TRUE(error.startsWith(u"Lista de inclusão inválida: '"_s + text + u'\'')) << qPrintable(text);
        EXPECT_TRUE(errorOf([&] { FilterInterval({u"X"_s}, text, integerCodes, 0, true); }).startsWith(u"Lista"_s))
            << qPrintable(text);
    }
}

TEST(InclusionList, OnlyIntegerTypeIsSupported)
{
    EXPECT_EQ(errorOf([] { StrToInclusionExVUnique(u"1"_s, {2}, 0); }), u"Tipo de inclusão não suportado: 2"_s);
    EXPECT_FALSE(errorOf([] { StrToInclusionExVUnique(u"1"_s, {}, 0); }).isEmpty());
    EXPECT_FALSE(errorOf([] { StrToInclusionExVUnique(u"1"_s, {1}, 1); }).isEmpty());
    EXPECT_FALSE(errorOf([] { FilterInterval({u"X"_s}, u"1"_s, {3}, 0, false); }).isEmpty());
}

TEST(FilterInterval, ConditionOverTheMergedList)
{
    EXPECT_EQ(FilterInterval({u"F.CodigoEmpresa"_s}, u"3..5;1"_s, integerCodes, 0, false),
              u"(F.CodigoEmpresa = 1 OR F.CodigoEmpresa BETWEEN 3 AND 5)"_s);
    EXPECT_EQ(FilterInterval({u"X"_s}, u"2;1"_s, integerCodes, 0, true, 0, 0), u" AND (X BETWEEN 1 AND 2)"_s);
}

TEST(FilterInterval, EmptyListGivesNoCondition)
{
    EXPECT_EQ(FilterInterval({u"X"_s}, QString(), integerCodes, 0, true), QString());
    EXPECT_EQ(FilterInterval({u"X"_s}, u" ; "_s, integerCodes, 0, false), QString());
}

TEST(FilterInterval, RefusesOtherColumnsAndOptions)
{
    EXPECT_FALSE(errorOf([] { FilterInterval({}, u"1"_s, integerCodes, 0, true); }).isEmpty());
    EXPECT_FALSE(errorOf([] { FilterInterval({u"A"_s, u"B"_s}, u"1"_s, integerCodes, 0, true); }).isEmpty());
    EXPECT_FALSE(errorOf([] { FilterInterval({u"X = 1 OR 1"_s}, u"1"_s, integerCodes, 0, true); }).isEmpty());
    EXPECT_FALSE(errorOf([] { FilterInterval({u"X"_s}, u"1"_s, integerCodes, 0, true, 1); }).isEmpty());
}

std::vector<int> walk(const TInclusionPairs& pairs, int limit)
{
    std::vector<int> codes;
    int code = 0;
    int position = -1;
    while (ProximoInclusao(code, position, pairs, limit)) {
        codes.push_back(code);
    }
    // Asking again after the end stays at the end.
    EXPECT_FALSE(ProximoInclusao(code, position, pairs, limit));
    return codes;
}

TEST(ProximoInclusao, WalksEveryCodeOfEveryPair)
{
    EXPECT_EQ(walk(parse(u"7;1..3;10..11"_s), 1000), (std::vector<int>{1, 2, 3, 7, 10, 11}));
    EXPECT_EQ(walk({}, 1000), std::vector<int>{});
    EXPECT_EQ(walk(parse(u"0"_s), 1), std::vector<int>{0});
    const int top = std::numeric_limits<int>::max();
    EXPECT_EQ(walk({{top - 1, top}}, 2), (std::vector<int>{top - 1, top}));
}

TEST(ProximoInclusao, RefusesARangeLongerThanTheLimitWhenItIsReached)
{
    const TInclusionPairs pairs = parse(u"1;10..1010"_s);
    int code = 0;
    int position = -1;
    ASSERT_TRUE(ProximoInclusao(code, position, pairs, 1000));
    EXPECT_EQ(code, 1);
    try {
        ProximoInclusao(code, position, pairs, 1000);
        ADD_FAILURE() << "a range of 1001 codes was walked";
    } catch (const HostError& error) {
        EXPECT_EQ(error.message(), u"Intervalo de inclusão grande demais: 10..1010"_s);
    }
    EXPECT_EQ(walk(parse(u"10..1009"_s), 1000).size(), 1000u);
    EXPECT_THROW(walk({{0, std::numeric_limits<int>::max()}}, 1000), HostError);
}

}  // namespace
}  // namespace host
