// The conditions of SUMIF and COUNTIF, and the wildcard patterns behind them.
#include "functions/Criteria.h"
#include "functions/WildcardPattern.h"

#include <QLocale>

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

TEST_F(CriteriaTest, NumbersStoredAsTextAreEqualButNotOrdered)
{
    EXPECT_TRUE(Criteria(Value(5.0)).matches(text("5")));
    EXPECT_TRUE(matches("=5", text(" 5 ")));
    EXPECT_FALSE(matches(">4", text("5")));
    EXPECT_FALSE(matches("<>5", text("5")));
    EXPECT_FALSE(matches("5", Value::boolean(true)));
}

TEST_F(CriteriaTest, TextIgnoresCaseAndTakesWildcards)
{
    EXPECT_TRUE(matches("abc", text("ABC")));
    EXPECT_FALSE(matches("abc", text("abcd")));
    EXPECT_TRUE(matches("a*", text("Alpha")));
    EXPECT_FALSE(matches("a*", Value(1.0)));
    EXPECT_TRUE(matches("?b", text("ab")));
    EXPECT_FALSE(matches("?b", text("b")));
    EXPECT_TRUE(matches("~*", text("*")));
    EXPECT_FALSE(matches("~*", text("x")));
    EXPECT_TRUE(matches("=a?c", text("abc")));
}

TEST_F(CriteriaTest, NotEqualTextSelectsEverythingElse)
{
    EXPECT_FALSE(matches("<>a*", text("apple")));
    EXPECT_TRUE(matches("<>a*", text("pear")));
    EXPECT_TRUE(matches("<>a*", Value(3.0)));
    EXPECT_TRUE(matches("<>a*", Value()));
}

TEST_F(CriteriaTest, TextOrderComparesOnlyTexts)
{
    EXPECT_TRUE(matches(">b", text("C")));
    EXPECT_FALSE(matches(">b", text("a")));
    EXPECT_FALSE(matches(">b", Value(5.0)));
    EXPECT_FALSE(matches(">b", Value()));
    EXPECT_TRUE(matches("<=b*", text("b")));  // no wildcards in an order comparison
}

TEST_F(CriteriaTest, EmptyCriteria)
{
    EXPECT_TRUE(matches("", Value()));
    EXPECT_TRUE(matches("", text("")));
    EXPECT_FALSE(matches("", text(" ")));
    EXPECT_FALSE(matches("", Value(0.0)));
    EXPECT_TRUE(matches("=", Value()));
    EXPECT_FALSE(matches("=", text("")));
    EXPECT_TRUE(matches("<>", text("")));
    EXPECT_TRUE(matches("<>", Value(0.0)));
    EXPECT_FALSE(matches("<>", Value()));
    // An empty criterion cell stands for 0.
    EXPECT_TRUE(Criteria(Value()).matches(Value(0.0)));
    EXPECT_FALSE(Criteria(Value()).matches(Value()));
}

TEST_F(CriteriaTest, BooleansAndErrors)
{
    EXPECT_TRUE(matches("TRUE", Value::boolean(true)));
    EXPECT_FALSE(matches("TRUE", Value(1.0)));
    EXPECT_TRUE(Criteria(Value::boolean(false)).matches(Value::boolean(false)));
    EXPECT_TRUE(matches("<>FALSE", Value::boolean(true)));
    EXPECT_TRUE(matches("#N/A", Value::error(ErrorCode::NA)));
    EXPECT_FALSE(matches("#N/A", Value::error(ErrorCode::Div0)));
    EXPECT_TRUE(matches("<>#N/A", Value::error(ErrorCode::Div0)));
}

TEST_F(CriteriaTest, DatesWrittenAsText)
{
    EXPECT_TRUE(matches(">=2023-03-15", Value(45000.0)));
    EXPECT_FALSE(matches(">2023-03-15", Value(45000.0)));
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
