// Serial numbers of dates and the date texts they are read from.
#include "Coercion.h"
#include "DateSerial.h"

#include <gtest/gtest.h>

using spreadsheet::DateSerial;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kBrazil(QLocale::Portuguese, QLocale::Brazil);

double parsed(const char* text, const QLocale& locale)
{
    double serial = -1.0;
    return DateSerial::parse(QString::fromUtf8(text), locale, serial) ? serial : -1.0;
}

}  // namespace

TEST(DateSerialTest, MatchesExcelFromMarch1900On)
{
    EXPECT_EQ(DateSerial::fromDate(QDate(1900, 3, 1)), 61.0);
    EXPECT_EQ(DateSerial::fromDate(QDate(2023, 3, 15)), 45000.0);
    EXPECT_EQ(DateSerial::fromDate(QDate(9999, 12, 31)), DateSerial::kMaxSerial);
    // Excel's phantom 1900-02-29 is not counted: earlier serials are one day later than Excel's.
    EXPECT_EQ(DateSerial::fromDate(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(DateSerial::toDate(60), QDate(1900, 2, 28));
}

TEST(DateSerialTest, ConvertsBothWaysWithinTheAcceptedRange)
{
    EXPECT_EQ(DateSerial::toDate(45000.99), QDate(2023, 3, 15));
    EXPECT_EQ(DateSerial::toDate(0), QDate(1899, 12, 30));
    EXPECT_FALSE(DateSerial::toDate(-0.5).isValid());
    EXPECT_FALSE(DateSerial::toDate(DateSerial::kMaxSerial + 1).isValid());
    const QDateTime noon(QDate(2024, 2, 29), QTime(12, 0));
    EXPECT_DOUBLE_EQ(DateSerial::fromDateTime(noon), DateSerial::fromDate(QDate(2024, 2, 29)) + 0.5);
}

TEST(DateSerialTest, SplitRoundsTheClockAndCarriesIntoTheDate)
{
    DateSerial::Parts p;
    ASSERT_TRUE(DateSerial::split(45000 + 0.75 + 0.4 / 86400, 0, p));
    EXPECT_EQ(p.date, QDate(2023, 3, 15));
    EXPECT_EQ(p.hour, 18);
    EXPECT_EQ(p.second, 0);
    ASSERT_TRUE(DateSerial::split(45000 + 0.75 + 0.4 / 86400, 1, p));
    EXPECT_EQ(p.millisecond, 400);
    ASSERT_TRUE(DateSerial::split(45000.999999, 0, p));
    EXPECT_EQ(p.date, QDate(2023, 3, 16));
    EXPECT_EQ(p.hour, 0);
    EXPECT_FALSE(DateSerial::split(-1, 0, p));
}

TEST(DateSerialTest, ParsesTimesAndDatesInTheLocaleOrder)
{
    EXPECT_DOUBLE_EQ(parsed("12:30", kEnglish), 12.5 / 24);
    EXPECT_DOUBLE_EQ(parsed("6:00:30 PM", kEnglish), (18 * 3600 + 30) / 86400.0);
    EXPECT_DOUBLE_EQ(parsed("12:00 am", kEnglish), 0.0);
    EXPECT_EQ(parsed("2023-03-15", kBrazil), 45000.0);
    EXPECT_EQ(parsed("15/03/2023", kBrazil), 45000.0);
    EXPECT_EQ(parsed("3/15/2023", kEnglish), 45000.0);
    EXPECT_EQ(parsed("15.03.2023", kBrazil), 45000.0);
    EXPECT_DOUBLE_EQ(parsed("15/03/2023 18:00", kBrazil), 45000.75);
}

TEST(DateSerialTest, ParsesMonthNamesAndYearFirstDates)
{
    EXPECT_EQ(parsed("22-MAY-2011", kEnglish), 40685.0);
    EXPECT_EQ(parsed("May 22, 2011", kEnglish), 40685.0);
    EXPECT_EQ(parsed("22 de maio de 2011", kBrazil), 40685.0);
    EXPECT_EQ(parsed("fev. 2024", kBrazil), DateSerial::fromDate(QDate(2024, 2, 1)));
    EXPECT_EQ(parsed("2011/02/23", kEnglish), 40597.0);
    EXPECT_EQ(parsed("2011/02/23", kBrazil), 40597.0);
    EXPECT_DOUBLE_EQ(parsed("22-Aug-2011 6:35 AM", kEnglish), 40777.0 + (6 * 60 + 35) / 1440.0);
    EXPECT_DOUBLE_EQ(parsed("6 PM", kEnglish), 0.75);
}

TEST(DateSerialTest, TwoDigitYearsPivotAt30)
{
    EXPECT_EQ(parsed("01/01/29", kBrazil), DateSerial::fromDate(QDate(2029, 1, 1)));
    EXPECT_EQ(parsed("01/01/30", kBrazil), DateSerial::fromDate(QDate(1930, 1, 1)));
}

TEST(DateSerialTest, RejectsWhatIsNoDate)
{
    for (const char* text : {"31/02/2024", "15/03", "abc", "", "13:00 PM", "10:60", "15-03/2023", "1.5", "01/01/1899",
                             "2 apples", "maio", "32 de maio de 2011", "6", "May 5 2011 x"}) {
        EXPECT_EQ(parsed(text, kBrazil), -1.0) << text;
    }
}

// Arithmetic on text reads dates in the user's locale and numbers as before.
TEST(DateSerialTest, DateTextsConvertToNumbersInTheUsersLocale)
{
    const QLocale saved;
    const auto number = [](const char* text) {
        double out = -1.0;
        spreadsheet::ErrorCode error = spreadsheet::ErrorCode::NA;
        const bool ok = spreadsheet::coerce::toNumber(spreadsheet::Value(QString::fromUtf8(text)), out, error);
        return ok ? out : (error == spreadsheet::ErrorCode::Value ? -2.0 : -3.0);
    };
    QLocale::setDefault(kBrazil);
    EXPECT_EQ(number("10/01/2024"), 45301.0);
    EXPECT_EQ(number("15.03.2023"), 45000.0);
    EXPECT_EQ(number("1,5"), 1.5);
    EXPECT_EQ(number("1.234"), 1234.0);
    EXPECT_DOUBLE_EQ(number("12:30"), 12.5 / 24);
    EXPECT_EQ(number("abc"), -2.0);
    QLocale::setDefault(kEnglish);
    EXPECT_EQ(number("1/10/2024"), 45301.0);
    EXPECT_EQ(number("10/31/2024 x"), -2.0);
    QLocale::setDefault(saved);
}
