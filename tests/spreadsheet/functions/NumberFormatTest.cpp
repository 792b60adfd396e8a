// Excel format codes rendered in a pinned locale; the numbers are in
// data/number_formats.tsv.
#include "FormulaTables.h"
#include "NumberFormat.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QLocale>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <iomanip>
#include <random>

using spreadsheet::ErrorCode;
using spreadsheet::NumberFormat;
using spreadsheet::Value;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kBrazil(QLocale::Portuguese, QLocale::Brazil);

class NumberFormatTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(kEnglish); }
};

}  // namespace

// data/number_formats.tsv: a number, a code, the locale and what it shows.
TEST_F(NumberFormatTest, NumbersShowAsTheirCodeSays)
{
    const QStringList lines = formulatables::readLines(QStringLiteral("number_formats.tsv"));
    int cases = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty() || lines[i].startsWith(u'#')) {
            continue;
        }
        SCOPED_TRACE("number_formats.tsv line " + std::to_string(i + 1));
        const QStringList f = lines[i].split(u'\t');
        ASSERT_GE(f.size(), 4);
        ASSERT_TRUE(f[2] == QLatin1String("en_US") || f[2] == QLatin1String("pt_BR"));
        bool ok = false;
        const double number = f[0].toDouble(&ok);
        ASSERT_TRUE(ok);
        EXPECT_EQ(NumberFormat::format(Value(number), f[1], f[2] == QLatin1String("en_US") ? kEnglish : kBrazil), f[3])
            << f[1].toStdString();
        ++cases;
    }
    EXPECT_EQ(cases, 80);
}

// General shows what a fixed code with as many decimals as the width leaves
// shows, whenever those digits hold the number (the tiny and huge ones go
// scientific instead). Sheets mostly hold short numbers, which General
// renders by a quicker path than the fixed code's exact rounding; the two
// must agree on every one of them.
TEST_F(NumberFormatTest, GeneralAgreesWithTheExactRoundingOfAFixedCode)
{
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<long long> mantissa(1, 99999999999LL);
    std::uniform_int_distribution<int> scale(-10, 10);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 20000; ++i) {
        double number = static_cast<double>(mantissa(random)) * std::pow(10.0, scale(random));
        if (i % 4 == 3) {
            number = std::bit_cast<double>(bits(random) & 0x3FFFFFFFFFFFFFFFULL) ;  // any positive double
        }
        number = i % 2 ? -number : number;
        const QString shown = NumberFormat::generalShown(number, kBrazil);
        if (shown.contains(u'E')) {
            continue;
        }
        const int integerWidth = std::max(1, static_cast<int>(std::floor(std::log10(std::fabs(number)))) + 1);
        const QString code = QStringLiteral("0.") + QString(std::max(0, 10 - integerWidth), u'#');
        QString fixed = NumberFormat::format(Value(number), code, kBrazil);
        if (fixed.endsWith(u',')) {
            fixed.chop(1);
        }
        ASSERT_EQ(shown, fixed) << std::setprecision(17) << number;
    }
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
}

TEST_F(NumberFormatTest, TextConversionKeepsFifteenDigits)
{
    EXPECT_EQ(NumberFormat::general(1234567890123, kEnglish), "1234567890123");
    EXPECT_EQ(NumberFormat::general(1.0 / 3, kEnglish), "0.333333333333333");
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
