// Excel format codes rendered in a pinned locale.
#include "NumberFormat.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <gtest/gtest.h>

using spreadsheet::ErrorCode;
using spreadsheet::NumberFormat;
using spreadsheet::Value;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kBrazil(QLocale::Portuguese, QLocale::Brazil);

QString en(double number, const char* code)
{
    return NumberFormat::format(Value(number), QString::fromUtf8(code), kEnglish);
}

QString br(double number, const char* code)
{
    return NumberFormat::format(Value(number), QString::fromUtf8(code), kBrazil);
}

class NumberFormatTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(kEnglish); }
};

}  // namespace

TEST_F(NumberFormatTest, RoundsTheDecimalDigitsAUserSees)
{
    EXPECT_EQ(en(2.675, "0.00"), "2.68");  // the double is 2.67499999...
    EXPECT_EQ(en(1.005, "0.00"), "1.01");
    EXPECT_EQ(en(-2.5, "0"), "-3");
    EXPECT_EQ(en(0.5, "#,##0"), "1");
    EXPECT_EQ(en(99.996, "0.00"), "100.00");
}

TEST_F(NumberFormatTest, GroupsAndScalesByThousands)
{
    EXPECT_EQ(en(1234567.891, "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(br(1234567.891, "#,##0.00"), "1.234.567,89");
    EXPECT_EQ(en(999, "#,##0"), "999");
    EXPECT_EQ(en(12345678, "#,##0,"), "12,346");
    EXPECT_EQ(en(12345678, "0.0,,\" M\""), "12.3 M");
    EXPECT_EQ(en(5, "0,000"), "0,005");
}

TEST_F(NumberFormatTest, PlaceholdersPadOrDropDigits)
{
    EXPECT_EQ(en(5, "000-000"), "000-005");
    EXPECT_EQ(en(0.1, "#.##"), ".1");
    EXPECT_EQ(en(0, "#"), "");
    EXPECT_EQ(en(1.5, "0.0#"), "1.5");
    EXPECT_EQ(en(1.25, "0.0#"), "1.25");
    EXPECT_EQ(en(3, "0."), "3.");
    EXPECT_EQ(en(1.5, "?0.0?"), " 1.5 ");
}

TEST_F(NumberFormatTest, PercentAndScientific)
{
    EXPECT_EQ(en(0.125, "0.0%"), "12.5%");
    EXPECT_EQ(br(0.3, "0%"), "30%");
    EXPECT_EQ(en(0.125, "0.0\"%\""), "0.1%");  // a quoted % does not scale
    EXPECT_EQ(en(12345, "0.00E+00"), "1.23E+04");
    EXPECT_EQ(en(0.00012, "0.00E+00"), "1.20E-04");
    EXPECT_EQ(en(9.999, "0.00E+00"), "1.00E+01");
    EXPECT_EQ(en(0, "0.00E+00"), "0.00E+00");
    EXPECT_EQ(en(12345, "##0.0E+0"), "12.3E+3");
    EXPECT_EQ(en(999.96, "##0.0E+0"), "1.0E+3");
    EXPECT_EQ(en(1, "0.0e-0"), "1.0e0");
}

TEST_F(NumberFormatTest, SectionsChooseByValue)
{
    EXPECT_EQ(en(-1234.5, "#,##0.00;(#,##0.00)"), "(1,234.50)");
    EXPECT_EQ(en(1234.5, "#,##0.00;(#,##0.00)"), "1,234.50");
    EXPECT_EQ(en(0, "0;-0;\"zero\""), "zero");
    EXPECT_EQ(en(-5, "0;;"), "");
    EXPECT_EQ(en(-5, "0.0"), "-5.0");  // one section: the sign is added
    EXPECT_EQ(en(-0.001, "0.00;[Red]-0.00"), "-0.00");
}

TEST_F(NumberFormatTest, TextUsesItsOwnSectionOrStaysAsIs)
{
    const auto text = [](const char* code) {
        return NumberFormat::format(Value(QStringLiteral("abc")), QString::fromUtf8(code), kEnglish);
    };
    EXPECT_EQ(text("0;0;0;\"<\"@\">\""), "<abc>");
    EXPECT_EQ(text("0.00"), "abc");
    EXPECT_EQ(text("\"Name: \"@"), "Name: abc");
    EXPECT_EQ(text("0;0;0;"), "");
    EXPECT_EQ(en(10, "@"), "10");  // numbers under a text-only code are General
}

TEST_F(NumberFormatTest, LiteralsEscapesAndIgnoredBrackets)
{
    EXPECT_EQ(en(1234.5, "[$R$-416] #,##0.00"), "R$ 1,234.50");
    EXPECT_EQ(en(7, "[Blue]\\#0"), "#7");
    EXPECT_EQ(en(123.456, "$#,##0.00_);($#,##0.00)"), "$123.46 ");
    EXPECT_EQ(en(5, "0*-"), "5");
    EXPECT_EQ(en(-5, "\"R$ \"0.00"), "-R$ 5.00");  // the sign goes before everything
}

TEST_F(NumberFormatTest, DatesUseLocaleNames)
{
    const double march15 = 45000.75;  // 2023-03-15 18:00, a Wednesday
    EXPECT_EQ(en(march15, "dd/mm/yyyy hh:mm"), "15/03/2023 18:00");
    EXPECT_EQ(en(march15, "dddd, mmmm d, yyyy h:mm AM/PM"), "Wednesday, March 15, 2023 6:00 PM");
    EXPECT_EQ(en(march15, "ddd mmm yy"), "Wed Mar 23");
    EXPECT_EQ(br(march15, "ddd, d \\de mmmm \\de yyyy"), QString::fromUtf8("qua, 15 de março de 2023"));
    EXPECT_EQ(br(march15, "mmm/yy"), "mar/23");  // without the locale's abbreviation dot
    EXPECT_EQ(en(march15, "mmmmm"), "M");
    EXPECT_EQ(en(march15, "d-m-y"), "15-3-23");
}

TEST_F(NumberFormatTest, MinutesVersusMonths)
{
    const double t = 45000 + (9 * 60 + 5) / 1440.0;  // 09:05
    EXPECT_EQ(en(t, "h:m"), "9:5");
    EXPECT_EQ(en(t, "m"), "3");
    EXPECT_EQ(en(t + 7 / 86400.0, "mm:ss"), "05:07");
    EXPECT_EQ(en(t, "hh\"h\"mm"), "09h05");
}

TEST_F(NumberFormatTest, TimesRoundAndElapse)
{
    EXPECT_EQ(en(0.99999999, "hh:mm:ss"), "00:00:00");  // rounds into the next day
    EXPECT_EQ(en(0.99999999, "dd hh:mm:ss"), "31 00:00:00");
    EXPECT_EQ(en(1.5, "[h]:mm"), "36:00");
    EXPECT_EQ(en(0.25, "[mm]"), "360");
    EXPECT_EQ(en(0.0000127, "[ss].00"), "01.10");
    EXPECT_EQ(en(0.0000127, "hh:mm:ss.000"), "00:00:01.097");
    EXPECT_EQ(en(0, "h:mm AM/PM"), "12:00 AM");
    EXPECT_EQ(en(0.5, "h a/p"), "12 p");
    EXPECT_EQ(en(-1, "dd/mm/yyyy"), "########");
}

TEST_F(NumberFormatTest, GeneralShowsElevenCharacters)
{
    EXPECT_EQ(en(1.0 / 3, "General"), "0.333333333");
    EXPECT_EQ(en(1234567890123, "General"), "1.23457E+12");
    EXPECT_EQ(en(123456789012, ""), "1.23457E+11");
    EXPECT_EQ(en(12345678901, "General"), "12345678901");
    EXPECT_EQ(en(99999999999.7, "General"), "1E+11");
    EXPECT_EQ(en(-0.1234567890123, "General"), "-0.123456789");
    EXPECT_EQ(br(1234.56789012, "General"), "1234,56789");
    EXPECT_EQ(en(0.0000123456789, "General"), "1.23457E-05");
    EXPECT_EQ(en(1e100, "General"), "1E+100");
    EXPECT_EQ(en(0.1 + 0.2, ""), "0.3");
    EXPECT_EQ(br(1234.5, "general"), "1234,5");
    EXPECT_EQ(en(1e20, "General"), "1E+20");
    EXPECT_EQ(en(-1.5e-12, "General"), "-1.5E-12");
    EXPECT_EQ(en(0.000001, "General"), "0.000001");
    EXPECT_EQ(en(-7, "\"R$ \"General"), "-R$ 7");
    EXPECT_EQ(en(2.5, "General\" kg\""), "2.5 kg");
}

TEST_F(NumberFormatTest, TextConversionKeepsFifteenDigits)
{
    EXPECT_EQ(NumberFormat::general(1234567890123, kEnglish), "1234567890123");
    EXPECT_EQ(NumberFormat::general(1.0 / 3, kEnglish), "0.333333333333333");
}

TEST_F(NumberFormatTest, NegativeZeroShowsNoSign)
{
    EXPECT_EQ(en(-0.001, "0"), "0");
    EXPECT_EQ(en(-0.04, "#,##0.0"), "0.0");
    EXPECT_EQ(en(-0.004, "0.0%"), "-0.4%");
    EXPECT_EQ(en(-0.00004, "0.0%"), "0.0%");
}

TEST_F(NumberFormatTest, OpenQuotesAndBracketsAreInvalid)
{
    EXPECT_TRUE(NumberFormat::isValid(QStringLiteral("[Red]0.00;\"[\";@")));
    EXPECT_TRUE(NumberFormat::isValid(QStringLiteral("#,##0_);*\"0")));
    EXPECT_FALSE(NumberFormat::isValid(QStringLiteral("0.00\" kg")));
    EXPECT_FALSE(NumberFormat::isValid(QStringLiteral("[Red0")));
}

// The cell's own text, DOLLAR and FORMULATEXT follow the user's locale.
TEST_F(NumberFormatTest, CellsAndCurrencyTextFollowTheLocale)
{
    QLocale::setDefault(kBrazil);
    spreadsheet::Workbook workbook;
    spreadsheet::Sheet& sheet = workbook.addSheet();
    sheet.setValue(0, 0, Value(1234567890123.0));
    sheet.setText(1, 0, QStringLiteral("=MOEDA(1234)"), true);
    sheet.setText(2, 0, QStringLiteral("=FORMULATEXT(A2)"), true);
    workbook.calculate();
    EXPECT_EQ(sheet.value(2, 0).text(), "=MOEDA(1234)");
    EXPECT_EQ(sheet.displayText(0, 0), "1,23457E+12");
    const QString money = sheet.value(1, 0).text();
    EXPECT_TRUE(money.startsWith(QStringLiteral("R$")) && money.endsWith(QStringLiteral("1.234,00"))) << money.toStdString();
}

TEST_F(NumberFormatTest, OtherValuesIgnoreTheCode)
{
    EXPECT_EQ(NumberFormat::format(Value(), "0.00", kEnglish), "");
    EXPECT_EQ(NumberFormat::format(Value::boolean(true), "0.00", kEnglish), "TRUE");
    EXPECT_EQ(NumberFormat::format(Value::error(ErrorCode::Div0), "0.00", kEnglish), "#DIV/0!");
}

TEST_F(NumberFormatTest, RecognisesDateCodes)
{
    EXPECT_TRUE(NumberFormat::isDateFormat("dd/mm/yyyy"));
    EXPECT_TRUE(NumberFormat::isDateFormat("[h]:mm"));
    EXPECT_FALSE(NumberFormat::isDateFormat("#,##0.00"));
    EXPECT_FALSE(NumberFormat::isDateFormat("0 \"days\""));
    EXPECT_FALSE(NumberFormat::isDateFormat(""));
}
