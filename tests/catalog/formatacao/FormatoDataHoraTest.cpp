// Date-time formats in pt-BR, with the locale's names and separators.

#include "TestPrinters.h"

#include "catalog/ErroFormatacao.h"
#include "catalog/FormatoDataHora.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

#include <limits>

using catalog::ErroFormatacao;
using catalog::FormatoDataHora;

namespace {

const QLocale kBrasil(QLocale::Portuguese, QLocale::Brazil);

// Days since 1899-12-30 plus the fraction of the day, for dates after it.
double serial(int ano, int mes, int dia, int hora = 0, int minuto = 0, int segundo = 0, int ms = 0)
{
    const double dias = static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(ano, mes, dia)));
    return dias + QTime(hora, minuto, segundo, ms).msecsSinceStartOfDay() / 86400000.0;
}

QString br(double dataHora, const char* formato)
{
    return FormatoDataHora::formatar(dataHora, QString::fromUtf8(formato), kBrasil);
}

// Friday, 15 March 2024, 14:05:09.
const double kSexta = serial(2024, 3, 15, 14, 5, 9);

}  // namespace

TEST(FormatoDataHora, CountsFromTheLastDayOf1899)
{
    EXPECT_EQ(br(0, "dd/mm/yyyy"), "30/12/1899");
    EXPECT_EQ(br(2, "dd/mm/yyyy"), "01/01/1900");
    EXPECT_EQ(br(45366, "dd/mm/yyyy"), "15/03/2024");
}

TEST(FormatoDataHora, WritesDayMonthAndYear)
{
    EXPECT_EQ(br(kSexta, "dd/mm/yyyy"), "15/03/2024");
    EXPECT_EQ(br(serial(2024, 3, 5), "d/m/yy"), "5/3/24");
    EXPECT_EQ(br(serial(2009, 1, 1), "yy"), "09");
    EXPECT_EQ(br(kSexta, "yyyy-mm-dd"), "2024-03-15");
    EXPECT_EQ(br(kSexta, "DD/MM/YYYY"), "15/03/2024");
    EXPECT_EQ(br(serial(1, 1, 1), "dd/mm/yyyy"), "01/01/0001");
}

TEST(FormatoDataHora, UsesTheLocaleNames)
{
    EXPECT_EQ(br(kSexta, "dddd, d 'de' mmmm 'de' yyyy"), "sexta-feira, 15 de março de 2024");
    EXPECT_EQ(br(kSexta, "ddd"), kBrasil.dayName(5, QLocale::ShortFormat));
    EXPECT_EQ(br(kSexta, "mmm"), kBrasil.monthName(3, QLocale::ShortFormat));
    EXPECT_EQ(br(serial(2024, 1, 1), "mmmm"), "janeiro");
    EXPECT_EQ(br(serial(2024, 3, 18), "dddd"), "segunda-feira");
    EXPECT_EQ(br(kSexta, "ddddd"), "15/03/2024");
    EXPECT_EQ(br(kSexta, "dddddd"), kBrasil.toString(QDate(2024, 3, 15), QLocale::LongFormat));
}

TEST(FormatoDataHora, WritesTheTime)
{
    EXPECT_EQ(br(kSexta, "hh:nn:ss"), "14:05:09");
    EXPECT_EQ(br(kSexta, "h:n:s"), "14:5:9");
    EXPECT_EQ(br(serial(2024, 3, 15, 7, 0, 0, 7), "h:nn:ss.zzz"), "7:00:00.007");
    EXPECT_EQ(br(serial(2024, 3, 15, 7, 0, 0, 7), "z"), "7");
    EXPECT_EQ(br(kSexta, "t"), "14:05");
    EXPECT_EQ(br(kSexta, "tt"), "14:05:09");
}

TEST(FormatoDataHora, ReadsMAfterAnHourAsMinutes)
{
    EXPECT_EQ(br(kSexta, "hh:mm"), "14:05");
    EXPECT_EQ(br(kSexta, "HH:MM"), "14:05");
    EXPECT_EQ(br(kSexta, "mm/yyyy hh:mm"), "03/2024 14:05");
    // Only letters stand between: "hh" then "dd" makes the month a month again.
    EXPECT_EQ(br(kSexta, "hh dd mm"), "14 15 03");
    EXPECT_EQ(br(kSexta, "hh\"h\"mm"), "14h05");
}

TEST(FormatoDataHora, SwitchesToTwelveHoursWithAnAmPmMarker)
{
    EXPECT_EQ(br(kSexta, "h:nn am/pm"), "2:05 pm");
    EXPECT_EQ(br(kSexta, "h:nn AM/PM"), "2:05 PM");
    EXPECT_EQ(br(serial(2024, 3, 15, 0, 30), "hh:nn AM/PM"), "12:30 AM");
    EXPECT_EQ(br(serial(2024, 3, 15, 12, 0), "h a/p"), "12 p");
    EXPECT_EQ(br(serial(2024, 3, 15, 9, 0), "h ampm"), "9 " + kBrasil.amText());
    // A marker before the hour does not change it.
    EXPECT_EQ(br(kSexta, "am/pm h"), "pm 14");
    // A lone "a" is text.
    EXPECT_EQ(br(kSexta, "a"), "a");
}

TEST(FormatoDataHora, CopiesQuotedAndOtherText)
{
    EXPECT_EQ(br(kSexta, "d \"de\" mmmm"), "15 de março");
    EXPECT_EQ(br(kSexta, "'dia' d"), "dia 15");
    EXPECT_EQ(br(kSexta, "[d] # x"), "[15] # x");
    EXPECT_EQ(br(kSexta, "\"sem fim d"), "sem fim d");
}

TEST(FormatoDataHora, UsesTheLocaleSeparators)
{
    const QLocale alemao(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatoDataHora::formatar(kSexta, QStringLiteral("dd/mm/yyyy hh:nn"), alemao), "15.03.2024 14:05");
}

TEST(FormatoDataHora, DefaultsToShortDateAndLongTime)
{
    EXPECT_EQ(br(45366, ""), "15/03/2024");
    EXPECT_EQ(br(kSexta, ""), "15/03/2024 14:05:09");
    EXPECT_EQ(br(kSexta, "c"), "15/03/2024 14:05:09");
    EXPECT_EQ(br(0.5, ""), "30/12/1899 12:00:00");
}

TEST(FormatoDataHora, RoundsTheTimeToTheMillisecond)
{
    EXPECT_EQ(br(serial(2024, 3, 15, 10, 0, 0, 999) + 0.6 / 86400000.0, "hh:nn:ss.zzz"), "10:00:01.000");
    EXPECT_EQ(br(serial(2024, 3, 16) - 0.4 / 86400000.0, ""), "16/03/2024");
}

TEST(FormatoDataHora, CountsNegativeDaysBackwardsAndTheirTimeForwards)
{
    EXPECT_EQ(br(-1.25, "dd/mm/yyyy hh:nn"), "29/12/1899 06:00");
    EXPECT_EQ(br(-693593, "dd/mm/yyyy"), "01/01/0001");
}

TEST(FormatoDataHora, RejectsDatesOutsideTheCalendar)
{
    EXPECT_EQ(br(2958465.5, "dd/mm/yyyy hh:nn"), "31/12/9999 12:00");
    EXPECT_THROW(br(2958466, "dd/mm/yyyy"), ErroFormatacao);
    EXPECT_THROW(br(2958465.9999999999, "dd/mm/yyyy"), ErroFormatacao);
    EXPECT_THROW(br(-693594, "dd/mm/yyyy"), ErroFormatacao);
    EXPECT_THROW(br(1e300, ""), ErroFormatacao);
    EXPECT_THROW(br(std::numeric_limits<double>::quiet_NaN(), ""), ErroFormatacao);
    EXPECT_THROW(br(std::numeric_limits<double>::infinity(), ""), ErroFormatacao);
}
