#pragma once

#include <QDateTime>
#include <QString>

namespace host {

// Moments written as texts or as day serials. Both come back in UTC.
class DateTimeText {
public:
    // "yyyy-MM-dd" or "dd/MM/yyyy", optionally followed by a blank or "T" and
    // "HH:mm", "HH:mm:ss" or "HH:mm:ss.zzz". Invalid when the text is none of these.
    static QDateTime parse(const QString& text);
    // Days since 1899-12-30, the fraction being the time of day (also for
    // negative serials). Invalid outside the years 1 to 9999.
    static QDateTime fromSerial(double serial);
};

}  // namespace host
