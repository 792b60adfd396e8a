// Rounding on the 15 significant decimal digits that users see.
#include "DecimalDigits.h"

#include <gtest/gtest.h>

#include <cmath>

using spreadsheet::DecimalDigits;
using Rounding = DecimalDigits::Rounding;

namespace {

double rounded(double x, int decimals, Rounding mode)
{
    DecimalDigits d(x);
    d.round(decimals, mode);
    return d.toDouble();
}

}  // namespace

TEST(DecimalDigitsTest, RoundsInEachDirection)
{
    struct Case {
        double x;
        int decimals;
        Rounding mode;
        double expected;
    };
    const Case cases[] = {
        // The three directions are symmetric around zero.
        {2.675, 2, Rounding::HalfAwayFromZero, 2.68},
        {-2.675, 2, Rounding::HalfAwayFromZero, -2.68},
        {2.6749, 2, Rounding::HalfAwayFromZero, 2.67},
        {2.671, 2, Rounding::AwayFromZero, 2.68},
        {-2.671, 2, Rounding::AwayFromZero, -2.68},
        {2.679, 2, Rounding::TowardZero, 2.67},
        {2.67, 2, Rounding::AwayFromZero, 2.67},
        // A carry makes a new leading digit.
        {9.995, 2, Rounding::HalfAwayFromZero, 10.0},
        {999.5, 0, Rounding::HalfAwayFromZero, 1000.0},
        {0.96, 0, Rounding::HalfAwayFromZero, 1.0},
        {0.0004, 3, Rounding::HalfAwayFromZero, 0.0},
        {0.0004, 3, Rounding::AwayFromZero, 0.001},
        // Negative decimals round before the point.
        {1250, -2, Rounding::HalfAwayFromZero, 1300.0},
        {1249, -2, Rounding::HalfAwayFromZero, 1200.0},
        {4, -1, Rounding::AwayFromZero, 10.0},
        {4, -3, Rounding::AwayFromZero, 1000.0},
        {4, -3, Rounding::HalfAwayFromZero, 0.0},
        {-4, -1, Rounding::TowardZero, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rounded(c.x, c.decimals, c.mode), c.expected) << c.x << " to " << c.decimals << " decimals, mode " << int(c.mode);
    }
}

TEST(DecimalDigitsTest, RoundReportsWhetherDigitsWereDropped)
{
    DecimalDigits d(1.25);
    EXPECT_FALSE(d.round(2, Rounding::HalfAwayFromZero));
    EXPECT_TRUE(d.round(1, Rounding::HalfAwayFromZero));
    EXPECT_EQ(d.toDouble(), 1.3);
    EXPECT_FALSE(DecimalDigits(0.0).round(0, Rounding::AwayFromZero));
}

TEST(DecimalDigitsTest, SnapsBinaryNoiseToFifteenDigits)
{
    EXPECT_EQ(DecimalDigits(0.1 + 0.2).toDouble(), 0.3);
    EXPECT_EQ(DecimalDigits(1e300).toDouble(), 1e300);
    EXPECT_TRUE(DecimalDigits(std::nan("")).isZero());
    EXPECT_TRUE(DecimalDigits(-0.0).isZero());
}

TEST(DecimalDigitsTest, DigitsAroundThePoint)
{
    DecimalDigits d(1234.5);
    EXPECT_EQ(d.integerDigits(), "1234");
    EXPECT_EQ(d.fractionDigits(3), "500");
    EXPECT_EQ(d.fractionLength(), 1);
    EXPECT_EQ(d.leadingExponent(), 3);

    DecimalDigits small(-0.0123);
    EXPECT_TRUE(small.isNegative());
    EXPECT_EQ(small.integerDigits(), "");
    EXPECT_EQ(small.fractionDigits(2), "01");
    EXPECT_EQ(small.leadingExponent(), -2);
    small.scale(4);
    EXPECT_EQ(small.integerDigits(), "123");
    EXPECT_EQ(small.toDouble(), -123.0);

    EXPECT_EQ(DecimalDigits(5e20).integerDigits(), "500000000000000000000");
}
