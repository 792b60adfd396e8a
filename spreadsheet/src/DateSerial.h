#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QStringView>

namespace spreadsheet {

// Dates as serial numbers: whole days since 1899-12-30 plus the time of day
// as a fraction. Excel counts from 1900-01-01 = 1 but also counts a
// 1900-02-29 that never existed, so its serials from 61 (1900-03-01) on are
// days since 1899-12-30. Using that epoch for all serials keeps every later
// date identical to Excel and only shifts 1900-01-01..1900-02-28 by one day.
class DateSerial {
public:
    // 9999-12-31, the last date a spreadsheet accepts.
    static constexpr double kMaxSerial = 2958465.0;

    struct Parts {
        QDate date;
        int hour = 0;
        int minute = 0;
        int second = 0;
        int millisecond = 0;
    };

    static QDate epoch() { return QDate(1899, 12, 30); }
    static bool isValidSerial(double serial) { return serial >= 0.0 && serial < kMaxSerial + 1.0; }

    static double fromDate(const QDate& date);
    static double fromDateTime(const QDateTime& dateTime);
    static double fromTime(int hour, int minute, double second);

    // The day of a serial (its fraction dropped); invalid outside the accepted range.
    static QDate toDate(double serial);
    // Date and clock time, with the time rounded to 10^-secondDecimals seconds
    // (0..3) so that 23:59:59.7 shown without fractions becomes the next day.
    static bool split(double serial, int secondDecimals, Parts& out);

    // Reads "12:30", "12:30:15", "6:35 AM", "2024-01-31", "2024/01/31",
    // dates in the locale's short day/month/year order with '/', '-' or '.'
    // ("31/01/2024", "31/01/2024 08:00"), and dates with an English or a
    // locale month name ("22-May-2011", "May 22, 2011", "22 de maio de 2011";
    // "5-Jul" is in the current year). Two-digit years below 30 are 20xx.
    static bool parse(QStringView text, const QLocale& locale, double& serial);
};

}  // namespace spreadsheet
