// The conditions of SUMIF and COUNTIF, and the wildcard patterns behind them.
#include "functions/Criteria.h"
#include "functions/WildcardPattern.h"

#include <QLocale>

#include <iterator>

#include <gtest/gtest.h>

using spreadsheet::Criteria;
using spreadsheet::ErrorCode;
using spreadsheet::Value;
using spreadsheet::WildcardPattern;

namespace {

Value text(const char* s)
{
    return Value(QString::fromUtf8(s));
}

bool matches(const char* criterion, const Value& cell)
{
    return Criteria(text(criterion)).matches(cell);
}

class CriteriaTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

}  // namespace

TEST_F(CriteriaTest, ComparisonOperatorsOnNumbers)
{
    struct Case {
        const char* criterion;
        bool below, equal, above;
    };
    for (const Case& c : {Case{">5", false, false, true}, Case{">=5", false, true, true}, Case{"<5", true, false, false},
                          Case{"<=5", true, true, false}, Case{"<>5", true, false, true}, Case{"=5", false, true, false},
                          Case{"5", false, true, false}, Case{">4.5", false, true, true}}) {
        EXPECT_EQ(matches(c.criterion, Value(4.0)), c.below) << c.criterion;
        EXPECT_EQ(matches(c.criterion, Value(5.0)), c.equal) << c.criterion;
        EXPECT_EQ(matches(c.criterion, Value(6.0)), c.above) << c.criterion;
    }
}

// One row per criterion and cell.
TEST_F(CriteriaTest, TextCriteriaMatchCellsOfEveryKind)
{
    struct Case {
        const char* criterion;
        Value cell;
        bool matches;
    };
    const Case cases[] = {
        // Numbers stored as text are equal but not ordered.
        {"=5", text(" 5 "), true},
        {">4", text("5"), false},
        {"<>5", text("5"), false},
        {"5", Value::boolean(true), false},
        // Text ignores case and takes wildcards.
        {"abc", text("ABC"), true},
        {"abc", text("abcd"), false},
        {"a*", text("Alpha"), true},
        {"a*", Value(1.0), false},
        {"?b", text("ab"), true},
        {"?b", text("b"), false},
        {"~*", text("*"), true},
        {"~*", text("x"), false},
        {"=a?c", text("abc"), true},
        // Not-equal text selects everything else.
        {"<>a*", text("apple"), false},
        {"<>a*", text("pear"), true},
        {"<>a*", Value(3.0), true},
        {"<>a*", Value(), true},
        // An order on text compares only texts.
        {">b", text("C"), true},
        {">b", text("a"), false},
        {">b", Value(5.0), false},
        {">b", Value(), false},
        {"<=b*", text("b"), true},  // no wildcards in an order comparison
        // Empty criteria.
        {"", Value(), true},
        {"", text(""), true},
        {"", text(" "), false},
        {"", Value(0.0), false},
        {"=", Value(), true},
        {"=", text(""), false},
        {"<>", text(""), true},
        {"<>", Value(0.0), true},
        {"<>", Value(), false},
        // Booleans and errors.
        {"TRUE", Value::boolean(true), true},
        {"TRUE", Value(1.0), false},
        {"<>FALSE", Value::boolean(true), true},
        {"#N/A", Value::error(ErrorCode::NA), true},
        {"#N/A", Value::error(ErrorCode::Div0), false},
        {"<>#N/A", Value::error(ErrorCode::Div0), true},
        // Dates written as text.
        {">=2023-03-15", Value(45000.0), true},
        {">2023-03-15", Value(45000.0), false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(matches(cases[i].criterion, cases[i].cell), cases[i].matches) << "row " << i << ": " << cases[i].criterion;
    }
}

// A criterion cell that holds a value rather than text: a number equals its
// text, an empty one stands for 0, a boolean equals itself.
TEST_F(CriteriaTest, ValueCriteria)
{
    EXPECT_TRUE(Criteria(Value(5.0)).matches(text("5")));
    EXPECT_TRUE(Criteria(Value()).matches(Value(0.0)));
    EXPECT_FALSE(Criteria(Value()).matches(Value()));
    EXPECT_TRUE(Criteria(Value::boolean(false)).matches(Value::boolean(false)));
}

TEST(WildcardPatternTest, FindsTheFirstMatchingPosition)
{
    const WildcardPattern pattern(u"b*d");
    EXPECT_EQ(pattern.indexIn(u"abcdbd", 0), 1);
    EXPECT_EQ(pattern.indexIn(u"abcdbd", 2), 4);
    EXPECT_EQ(pattern.indexIn(u"abc", 0), -1);
    EXPECT_EQ(WildcardPattern(u"?").indexIn(u"", 0), -1);
    EXPECT_EQ(WildcardPattern(u"*").indexIn(u"", 0), 0);
    EXPECT_EQ(WildcardPattern(u"~?").indexIn(u"why?", 0), 3);
}

TEST(WildcardPatternTest, WholeTextMatchingBacktracks)
{
    EXPECT_TRUE(WildcardPattern(u"*a*b").matches(u"xaxab"));
    EXPECT_FALSE(WildcardPattern(u"*a*b").matches(u"xaxabx"));
    EXPECT_TRUE(WildcardPattern(u"**").matches(u""));
    EXPECT_TRUE(WildcardPattern(u"ÁB?").matches(u"ábc"));
    EXPECT_TRUE(WildcardPattern(u"a~~b").matches(u"a~b"));
    EXPECT_TRUE(WildcardPattern::hasWildcards(u"a~b"));
    EXPECT_FALSE(WildcardPattern::hasWildcards(u"ab"));
}
