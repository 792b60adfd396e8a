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

struct Caso {
    const char* regra;
    double dataHora;
    const char* formato;
    QString esperado;
};

TEST(FormatoDataHora, WritesEachFormat)
{
    const Caso casos[] = {
        {"counts from the last day of 1899", 0, "dd/mm/yyyy", "30/12/1899"},
        {"counts from the last day of 1899", 2, "dd/mm/yyyy", "01/01/1900"},
        {"counts from the last day of 1899", 45366, "dd/mm/yyyy", "15/03/2024"},
        {"day, month and year", kSexta, "dd/mm/yyyy", "15/03/2024"},
        {"day, month and year", serial(2024, 3, 5), "d/m/yy", "5/3/24"},
        {"day, month and year", serial(2009, 1, 1), "yy", "09"},
        {"day, month and year", kSexta, "yyyy-mm-dd", "2024-03-15"},
        {"day, month and year", kSexta, "DD/MM/YYYY", "15/03/2024"},
        {"day, month and year", serial(1, 1, 1), "dd/mm/yyyy", "01/01/0001"},
        {"locale names", kSexta, "dddd, d 'de' mmmm 'de' yyyy", "sexta-feira, 15 de março de 2024"},
        {"locale names", kSexta, "ddd", kBrasil.dayName(5, QLocale::ShortFormat)},
        {"locale names", kSexta, "mmm", kBrasil.monthName(3, QLocale::ShortFormat)},
        {"locale names", serial(2024, 1, 1), "mmmm", "janeiro"},
        {"locale names", serial(2024, 3, 18), "dddd", "segunda-feira"},
        {"locale names", kSexta, "ddddd", "15/03/2024"},
        {"locale names", kSexta, "dddddd", kBrasil.toString(QDate(2024, 3, 15), QLocale::LongFormat)},
        {"time", kSexta, "hh:nn:ss", "14:05:09"},
        {"time", kSexta, "h:n:s", "14:5:9"},
        {"time", serial(2024, 3, 15, 7, 0, 0, 7), "h:nn:ss.zzz", "7:00:00.007"},
        {"time", serial(2024, 3, 15, 7, 0, 0, 7), "z", "7"},
        {"time", kSexta, "t", "14:05"},
        {"time", kSexta, "tt", "14:05:09"},
        {"m after an hour is minutes", kSexta, "hh:mm", "14:05"},
        {"m after an hour is minutes", kSexta, "HH:MM", "14:05"},
        {"m after an hour is minutes", kSexta, "mm/yyyy hh:mm", "03/2024 14:05"},
        // Only letters stand between: "hh" then "dd" makes the month a month again.
        {"m after an hour is minutes", kSexta, "hh dd mm", "14 15 03"},
        {"m after an hour is minutes", kSexta, "hh\"h\"mm", "14h05"},
        {"twelve hours with a marker", kSexta, "h:nn am/pm", "2:05 pm"},
        {"twelve hours with a marker", kSexta, "h:nn AM/PM", "2:05 PM"},
        {"twelve hours with a marker", serial(2024, 3, 15, 0, 30), "hh:nn AM/PM", "12:30 AM"},
        {"twelve hours with a marker", serial(2024, 3, 15, 12, 0), "h a/p", "12 p"},
        {"twelve hours with a marker", serial(2024, 3, 15, 9, 0), "h ampm", "9 " + kBrasil.amText()},
        {"a marker before the hour does not change it", kSexta, "am/pm h", "pm 14"},
        {"a lone a is text", kSexta, "a", "a"},
        {"quoted and other text", kSexta, "d \"de\" mmmm", "15 de março"},
        {"quoted and other text", kSexta, "'dia' d", "dia 15"},
        {"quoted and other text", kSexta, "[d] # x", "[15] # x"},
        {"quoted and other text", kSexta, "\"sem fim d", "sem fim d"},
        {"short date and long time by default", 45366, "", "15/03/2024"},
        {"short date and long time by default", kSexta, "", "15/03/2024 14:05:09"},
        {"short date and long time by default", kSexta, "c", "15/03/2024 14:05:09"},
        {"short date and long time by default", 0.5, "", "30/12/1899 12:00:00"},
        {"time rounded to the millisecond", serial(2024, 3, 15, 10, 0, 0, 999) + 0.6 / 86400000.0, "hh:nn:ss.zzz",
         "10:00:01.000"},
        {"time rounded to the millisecond", serial(2024, 3, 16) - 0.4 / 86400000.0, "", "16/03/2024"},
        {"negative days count backwards, their time forwards", -1.25, "dd/mm/yyyy hh:nn", "29/12/1899 06:00"},
        {"negative days count backwards, their time forwards", -693593, "dd/mm/yyyy", "01/01/0001"},
        {"the calendar's last day", 2958465.5, "dd/mm/yyyy hh:nn", "31/12/9999 12:00"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.regra) + ": " + caso.formato);
        EXPECT_EQ(br(caso.dataHora, caso.formato), caso.esperado);
    }
}

TEST(FormatoDataHora, UsesTheLocaleSeparators)
{
    const QLocale alemao(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatoDataHora::formatar(kSexta, QStringLiteral("dd/mm/yyyy hh:nn"), alemao), "15.03.2024 14:05");
}

TEST(FormatoDataHora, RejectsDatesOutsideTheCalendar)
{
    EXPECT_THROW(br(2958466, "dd/mm/yyyy"), ErroFormatacao);
    EXPECT_THROW(br(2958465.9999999999, "dd/mm/yyyy"), ErroFormatacao);
    EXPECT_THROW(br(-693594, "dd/mm/yyyy"), ErroFormatacao);
    EXPECT_THROW(br(1e300, ""), ErroFormatacao);
    EXPECT_THROW(br(std::numeric_limits<double>::quiet_NaN(), ""), ErroFormatacao);
    EXPECT_THROW(br(std::numeric_limits<double>::infinity(), ""), ErroFormatacao);
}
