#include "host/NumberRoutines.h"
#include "host/VariantRoutines.h"

#include <gtest/gtest.h>

#include "TestPrinters.h"

#include <cmath>
#include <limits>

namespace host {
namespace {

using namespace Qt::StringLiterals;

// Results are compared exactly: a truncated value must be the double nearest
// to its decimal text, as if the text had been typed.
TEST(TruncateValor, CutsTowardsZeroWithoutLosingAUnitToBinaryNoise)
{
    const struct {
        double value;
        int digits;
        double expected;
    } cases[] = {
        {1.239, 2, 1.23},     {-1.239, 2, -1.23},  {98.3333333, 0, 98.0}, {-0.999, 0, 0.0},
        {0.001, 2, 0.0},      {1234567.899999, 2, 1234567.89},            {1234.5, -2, 1200.0},
        {5.0, 3, 5.0},        {4.35 * 100, 0, 435.0}, {0.29 * 100, 0, 29.0}, {4.35, 2, 4.35},
        {1.005, 3, 1.005},    {1.005, 2, 1.0},     {0.1 + 0.2, 1, 0.3},   {-(0.1 + 0.7) * 10, 0, -8.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TruncateValor(c.value, c.digits), c.expected) << c.value << " to " << c.digits;
    }
    // Whole minutes as centesimal hours, as the event formatter does.
    for (int minutes = 0; minutes < 60; ++minutes) {
        EXPECT_EQ(TruncateValor(minutes * 1.6666666666666667, 0), std::floor(minutes * 5 / 3.0 + 1e-9)) << minutes;
    }
}

TEST(TruncateValor, NonFiniteValuesPassThrough)
{
    EXPECT_TRUE(std::isnan(TruncateValor(qQNaN(), 2)));
    EXPECT_EQ(TruncateValor(qInf(), 2), qInf());
    EXPECT_EQ(TruncateValor(1e300, 2), 1e300);
    EXPECT_EQ(TruncateValor(std::numeric_limits<double>::denorm_min(), 2), 0.0);
}

TEST(VarToIntDef, WholeNumbersInRange)
{
    EXPECT_EQ(VarToIntDef(42, -1), 42);
    EXPECT_EQ(VarToIntDef(42.0, -1), 42);
    EXPECT_EQ(VarToIntDef(qlonglong(-7), -1), -7);
    EXPECT_EQ(VarToIntDef(u" 12 "_s, -1), 12);
    EXPECT_EQ(VarToIntDef(u"-3"_s, -1), -3);
    EXPECT_EQ(VarToIntDef(u"12.0"_s, -1), 12);
    EXPECT_EQ(VarToIntDef(std::numeric_limits<int>::max(), -1), std::numeric_limits<int>::max());
    EXPECT_EQ(VarToIntDef(double(std::numeric_limits<int>::min()), -1), std::numeric_limits<int>::min());
}

TEST(VarToIntDef, AnythingElseGivesTheDefault)
{
    const QVariantList values{
        QVariant(),       u""_s,    u"abc"_s,          u"12abc"_s,
        u"1,5"_s,         12.5,     qQNaN(),           qInf(),
        -qInf(),          u"nan"_s, 2147483648.0,      qlonglong(1) << 40,
        u"99999999999"_s, true,     QDate(2023, 1, 1), qulonglong(std::numeric_limits<qulonglong>::max())};
    for (const QVariant& value : values) {
        EXPECT_EQ(VarToIntDef(value, -99), -99) << qPrintable(value.toString());
    }
}

}  // namespace
}  // namespace host
