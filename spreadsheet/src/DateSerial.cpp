#include "DateSerial.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace spreadsheet {

namespace {

constexpr double kSecondsPerDay = 86400.0;

int fullYear(int year, qsizetype digits)
{
    if (digits > 2) {
        return year;
    }
    return year < 30 ? 2000 + year : 1900 + year;
}

// The order in which day, month and year are written in the locale's short date.
std::array<char, 3> dateOrder(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    std::array<std::pair<qsizetype, char>, 3> fields{{{format.indexOf(QLatin1Char('d')), 'd'},
                                                      {format.indexOf(QLatin1Char('M')), 'M'},
                                                      {format.indexOf(QLatin1Char('y')), 'y'}}};
    std::sort(fields.begin(), fields.end());
    return {fields[0].second, fields[1].second, fields[2].second};
}

bool parseDatePart(const QString& text, const QLocale& locale, QDate& out)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression local(QStringLiteral("^(\\d{1,4})([/.-])(\\d{1,2})\\2(\\d{1,4})$"));
    if (const auto m = iso.match(text); m.hasMatch()) {
        out = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        return out.isValid();
    }
    const auto m = local.match(text);
    if (!m.hasMatch()) {
        return false;
    }
    const std::array<QString, 3> parts{m.captured(1), m.captured(3), m.captured(4)};
    const auto order = dateOrder(locale);
    int day = 0;
    int month = 0;
    int year = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int number = parts[i].toInt();
        if (order[i] == 'd') {
            day = number;
        } else if (order[i] == 'M') {
            month = number;
        } else {
            year = fullYear(number, parts[i].size());
        }
    }
    out = QDate(year, month, day);
    return out.isValid() && year >= 1900;
}

bool parseTimePart(const QString& text, double& out)
{
    static const QRegularExpression time(
        QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}(?:\\.\\d+)?))?\\s*([AaPp][Mm])?$"));
    const auto m = time.match(text);
    if (!m.hasMatch()) {
        return false;
    }
    int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    const double second = m.captured(3).isEmpty() ? 0.0 : m.captured(3).toDouble();
    const QString meridiem = m.captured(4).toUpper();
    if (!meridiem.isEmpty()) {
        if (hour < 1 || hour > 12) {
            return false;
        }
        hour = (hour % 12) + (meridiem == QLatin1String("PM") ? 12 : 0);
    }
    if (minute > 59 || second >= 60.0) {
        return false;
    }
    out = DateSerial::fromTime(hour, minute, second);
    return true;
}

}  // namespace

double DateSerial::fromDate(const QDate& date)
{
    return static_cast<double>(epoch().daysTo(date));
}

double DateSerial::fromDateTime(const QDateTime& dateTime)
{
    return fromDate(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / (kSecondsPerDay * 1000.0);
}

double DateSerial::fromTime(int hour, int minute, double second)
{
    return (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
}

QDate DateSerial::toDate(double serial)
{
    if (!isValidSerial(serial)) {
        return {};
    }
    return epoch().addDays(static_cast<qint64>(std::floor(serial)));
}

bool DateSerial::split(double serial, int secondDecimals, Parts& out)
{
    if (!isValidSerial(serial)) {
        return false;
    }
    const double day = std::floor(serial);
    const qint64 unitsPerSecond = static_cast<qint64>(std::pow(10.0, std::clamp(secondDecimals, 0, 3)));
    const qint64 unitsPerDay = static_cast<qint64>(kSecondsPerDay) * unitsPerSecond;
    qint64 units = std::llround((serial - day) * static_cast<double>(unitsPerDay));
    qint64 days = static_cast<qint64>(day);
    if (units >= unitsPerDay) {
        units -= unitsPerDay;
        ++days;
    }
    const qint64 ms = units * (1000 / unitsPerSecond);
    out.date = epoch().addDays(days);
    out.hour = static_cast<int>(ms / 3600000);
    out.minute = static_cast<int>(ms / 60000 % 60);
    out.second = static_cast<int>(ms / 1000 % 60);
    out.millisecond = static_cast<int>(ms % 1000);
    return true;
}

bool DateSerial::parse(QStringView text, const QLocale& locale, double& serial)
{
    const QStringList words = text.trimmed().toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.size() > 3) {
        return false;
    }
    double time = 0.0;
    QDate date;
    if (parseTimePart(words.join(QLatin1Char(' ')), time)) {
        serial = time;
        return true;
    }
    if (!parseDatePart(words.front(), locale, date)) {
        return false;
    }
    if (words.size() > 1 && !parseTimePart(words.mid(1).join(QLatin1Char(' ')), time)) {
        return false;
    }
    serial = fromDate(date) + time;
    return true;
}

}  // namespace spreadsheet
