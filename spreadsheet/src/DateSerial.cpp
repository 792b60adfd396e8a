#include "DateSerial.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

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

int currentYear()
{
    return QDate::currentDate().year();
}

// "2024-01-31" and "2024/01/31": a four-digit year first is read year, month, day in any locale.
bool parseYearFirst(const QString& text, QDate& out)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})([/.-])(\\d{1,2})\\2(\\d{1,2})$"));
    const auto m = pattern.match(text);
    if (!m.hasMatch()) {
        return false;
    }
    out = QDate(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    return out.isValid() && out.year() >= 1900;
}

bool parseNumericDate(const QString& text, const QLocale& locale, QDate& out)
{
    static const QRegularExpression local(QStringLiteral("^(\\d{1,4})([/.-])(\\d{1,2})\\2(\\d{1,4})$"));
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

// 1..12 for an English month name or abbreviation ("May", "sept"), or one
// of the locale's ("fev.", "março"); 0 for any other word.
int monthNumber(QString word, const QLocale& locale)
{
    word = word.toLower();
    if (word.endsWith(u'.')) {
        word.chop(1);
    }
    if (word.size() < 3) {
        return 0;
    }
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QLocale* names : {&english, &locale}) {
        for (int month = 1; month <= 12; ++month) {
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
                QString name = names->monthName(month, format).toLower();
                if (name.endsWith(u'.')) {
                    name.chop(1);
                }
                if (word == name || (names == &english && name.startsWith(word))) {
                    return month;
                }
            }
        }
    }
    return 0;
}

// The words and numbers of a date written with a month name: "22-MAY-2011",
// "May 22, 2011", "22 de maio de 2011". False when anything else is in it.
bool splitNamedDate(const QString& text, QStringList& numbers, QString& name, int& nameIndex)
{
    QStringList tokens;
    QString current;
    auto flush = [&] {
        if (!current.isEmpty()) {
            tokens.append(current);
            current.clear();
        }
    };
    for (const QChar c : text) {
        const bool sameKind = !current.isEmpty() && current.back().isDigit() == c.isDigit();
        if (c.isLetterOrNumber()) {
            if (!sameKind) {
                flush();
            }
            current.append(c);
        } else if (c == u' ' || c == u'-' || c == u'/' || c == u',' || c == u'.') {
            flush();
        } else {
            return false;
        }
    }
    flush();
    for (const QString& token : std::as_const(tokens)) {
        if (token.front().isDigit()) {
            numbers.append(token);
        } else if (token.compare(QLatin1String("de"), Qt::CaseInsensitive) != 0) {
            if (!name.isEmpty()) {
                return false;
            }
            name = token;
            nameIndex = static_cast<int>(numbers.size());
        }
    }
    return !name.isEmpty() && !numbers.isEmpty() && numbers.size() <= 2;
}

bool parseNamedDate(const QString& text, const QLocale& locale, QDate& out)
{
    QStringList numbers;
    QString name;
    int nameIndex = 0;
    if (!splitNamedDate(text, numbers, name, nameIndex)) {
        return false;
    }
    const int month = monthNumber(name, locale);
    if (month == 0) {
        return false;
    }
    const auto isYear = [](const QString& n) { return n.size() > 2 || n.toInt() > 31; };
    int day = 1;
    int year = currentYear();
    if (numbers.size() == 2) {
        // "22-May-2011" or "May 22, 2011"; a four-digit first number is the year.
        const bool yearFirst = nameIndex == 1 && numbers[0].size() == 4;
        day = numbers[yearFirst ? 1 : 0].toInt();
        year = fullYear(numbers[yearFirst ? 0 : 1].toInt(), numbers[yearFirst ? 0 : 1].size());
    } else if (isYear(numbers[0])) {
        // "May 2011": the first of the month.
        year = fullYear(numbers[0].toInt(), numbers[0].size());
    } else {
        // "5-Jul": that day of the current year.
        day = numbers[0].toInt();
    }
    out = QDate(year, month, day);
    return out.isValid() && year >= 1900;
}

bool parseDatePart(const QString& text, const QLocale& locale, QDate& out)
{
    return parseYearFirst(text, out) || parseNumericDate(text, locale, out) || parseNamedDate(text, locale, out);
}

// "12:30", "12:30:15.5", "6:35 AM" and "6 PM".
bool parseTimePart(const QString& text, double& out)
{
    static const QRegularExpression time(QStringLiteral(
        "^(\\d{1,2})(?::(\\d{1,2})(?::(\\d{1,2}(?:\\.\\d+)?))?)?\\s*([AaPp][Mm])?$"));
    const auto m = time.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(4).isEmpty())) {
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

// Where the clock time starts among the words of a date and time: the first
// word with a colon, or the number before a trailing AM/PM. words.size() when
// there is none.
qsizetype timeStart(const QStringList& words)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].contains(u':')) {
            return i;
        }
    }
    const QString last = words.back().toUpper();
    if (words.size() >= 2 && (last == QLatin1String("AM") || last == QLatin1String("PM"))) {
        return words.size() - 2;
    }
    return words.size();
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
    // Every date and time has a digit; most texts that reach here have none
    // and are told apart before any pattern runs.
    constexpr qsizetype kLongestDate = 64;
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > kLongestDate
        || std::none_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); })) {
        return false;
    }
    const QStringList words = trimmed.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const qsizetype split = timeStart(words);
    double time = 0.0;
    if (split < words.size() && !parseTimePart(words.mid(split).join(QLatin1Char(' ')), time)) {
        return false;
    }
    if (split == 0) {
        serial = time;
        return true;
    }
    QDate date;
    if (!parseDatePart(words.mid(0, split).join(QLatin1Char(' ')), locale, date)) {
        return false;
    }
    serial = fromDate(date) + time;
    return true;
}

}  // namespace spreadsheet
