// Complex numbers written in the Brazilian convention, which the tables (run
// in English) cannot show: the decimal comma in and out.
#include "functions/ComplexNumber.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

using namespace spreadsheet::functions::complex;

class ComplexInBrazil : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

TEST_F(ComplexInBrazil, WritesTheDecimalComma)
{
    EXPECT_EQ(format(Complex(1.5, -2.25), Suffix::J), QStringLiteral("1,5-2,25j"));
    EXPECT_EQ(format(Complex(0.0, -1.0), Suffix::I), QStringLiteral("-i"));
}

TEST_F(ComplexInBrazil, ReadsEitherDecimalMark)
{
    for (const char* text : {"1,5+2,25i", "1.5+2.25i"}) {
        const auto parsed = parse(QString::fromLatin1(text));
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(parsed->z, Complex(1.5, 2.25)) << text;
        EXPECT_EQ(parsed->suffix, Suffix::I) << text;
    }
    EXPECT_FALSE(parse(u"1,5,2i").has_value());
}

}  // namespace
