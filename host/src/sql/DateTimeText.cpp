#include "DateTimeText.h"

#include <array>
#include <cmath>

namespace host {

namespace {

constexpr std::array dateFormats{u"yyyy-MM-dd", u"dd/MM/yyyy"};
constexpr std::array timeFormats{u"HH:mm", u"HH:mm:ss", u"HH:mm:ss.zzz"};

constexpr qint64 msecsPerDay = 24 * 60 * 60 * 1000;
// The serials of 0001-01-01 and 9999-12-31.
constexpr double firstSerial = -693593;
constexpr double lastSerial = 2958466;

template <typename Value, typename Formats>
Value parseWith(const QString& text, const Formats& formats)
{
    for (const auto& format : formats) {
        const Value value = Value::fromString(text, QString::fromUtf16(format));
        if (value.isValid()) {
            return value;
        }
    }
    return {};
}

}  // namespace

QDateTime DateTimeText::parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    // The date is ten characters in both formats; the time, if any, follows a separator.
    const QString datePart = trimmed.left(10);
    const QDate date = parseWith<QDate>(datePart, dateFormats);
    if (!date.isValid()) {
        return {};
    }
    if (trimmed.size() == datePart.size()) {
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    }
    const QChar separator = trimmed[10];
    if (separator != u' ' && separator != u'T') {
        return {};
    }
    const QTime time = parseWith<QTime>(trimmed.sliced(11), timeFormats);
    return time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

QDateTime DateTimeText::fromSerial(double serial)
{
    if (!std::isfinite(serial) || serial < firstSerial || serial >= lastSerial) {
        return {};
    }
    const double days = std::trunc(serial);
    qint64 msecs = std::llround(std::abs(serial - days) * msecsPerDay);
    qint64 dayOffset = static_cast<qint64>(days);
    if (msecs >= msecsPerDay) {
        msecs -= msecsPerDay;
        ++dayOffset;
    }
    const QDate date = QDate(1899, 12, 30).addDays(dayOffset);
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(msecs)), Qt::UTC);
}

}  // namespace host
