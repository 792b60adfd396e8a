#include "DateFunctions.h"

#include "../DateSerial.h"
#include "ArgumentReader.h"
#include "DateArguments.h"

#include <QLocale>

#include <cmath>

namespace spreadsheet::functions {

namespace {

constexpr int kMaxYear = 9999;
constexpr double kSecondsPerDay = 86400.0;
// TIME refuses larger hours, minutes or seconds.
constexpr int kMaxTimeArgument = 32767;

template <typename Part>
Value datePart(const CallContext& context, Part part)
{
    ArgumentReader args(context);
    const QDate date = dateOfDay(dayArgument(args, 0));
    return args.failed() ? args.error() : Value(static_cast<double>(part(date)));
}

// HOUR, MINUTE and SECOND read the clock rounded to the second, as it is shown.
template <typename Part>
Value clockPart(const CallContext& context, Part part)
{
    ArgumentReader args(context);
    const double serial = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    DateSerial::Parts parts;
    if (!DateSerial::split(serial, 0, parts)) {
        return Value::error(ErrorCode::Num);
    }
    return Value(static_cast<double>(part(parts)));
}

// EDATE and EOMONTH: the start date moved by whole months.
template <typename Finish>
Value shiftMonths(const CallContext& context, Finish finish)
{
    ArgumentReader args(context);
    const QDate start = dateOfDay(dayArgument(args, 0));
    const int months = args.integer(1);
    if (args.failed()) {
        return args.error();
    }
    const QDate first = QDate(start.year(), start.month(), 1).addMonths(months);
    return dateResult(finish(first, start.day()));
}

// The first day of the week for WEEKDAY's and WEEKNUM's return types, 0 for
// Sunday; -1 for a type neither knows.
int weekStart(int type)
{
    if (type == 1) {
        return 0;
    }
    if (type == 2) {
        return 1;
    }
    if (type >= 11 && type <= 17) {
        return (type - 10) % 7;
    }
    return -1;
}

// A date text of DATEVALUE and TIMEVALUE: only text is read, numbers are #VALUE!.
bool parsedText(ArgumentReader& args, double& serial)
{
    const Value v = args.value(0);
    if (args.failed()) {
        return false;
    }
    if (!v.isText() || !DateSerial::parse(v.text(), QLocale(), serial)) {
        args.fail(ErrorCode::Value);
        return false;
    }
    return true;
}

}  // namespace

// Years below 1900 count from 1900; months and days outside their range
// carry into the next or previous year and month.
Value date(const CallContext& context)
{
    ArgumentReader args(context);
    int y = args.integer(0);
    const int m = args.integer(1);
    const int d = args.integer(2);
    if (args.failed()) {
        return args.error();
    }
    if (y >= 0 && y < 1900) {
        y += 1900;
    }
    if (y < 1900 || y > kMaxYear) {
        return Value::error(ErrorCode::Num);
    }
    const long long months = static_cast<long long>(y) * 12 + (m - 1LL);
    const long long firstYear = months >= 0 ? months / 12 : (months - 11) / 12;
    if (firstYear < 1 || firstYear > kMaxYear + 1) {
        return Value::error(ErrorCode::Num);
    }
    const QDate first(static_cast<int>(firstYear), static_cast<int>(months - firstYear * 12) + 1, 1);
    return dateResult(first.addDays(d - 1LL));
}

Value year(const CallContext& context)
{
    return datePart(context, [](const QDate& d) { return d.year(); });
}

Value month(const CallContext& context)
{
    return datePart(context, [](const QDate& d) { return d.month(); });
}

Value day(const CallContext& context)
{
    return datePart(context, [](const QDate& d) { return d.day(); });
}

Value today(const CallContext&)
{
    return Value(DateSerial::fromDate(QDate::currentDate()));
}

Value now(const CallContext&)
{
    return Value(DateSerial::fromDateTime(QDateTime::currentDateTime()));
}

Value endOfMonth(const CallContext& context)
{
    return shiftMonths(context, [](const QDate& first, int) { return first.addDays(first.daysInMonth() - 1); });
}

// A day past the end of the target month becomes its last day: EDATE of 31 Jan plus 1 is 28 or 29 Feb.
Value addMonths(const CallContext& context)
{
    return shiftMonths(context, [](const QDate& first, int day) {
        return first.addDays(std::min(day, first.daysInMonth()) - 1);
    });
}

// Hours, minutes and seconds past their range carry over; the result keeps
// only the time of day, so TIME(27;0;0) is 3:00.
Value time(const CallContext& context)
{
    ArgumentReader args(context);
    const int h = args.integer(0);
    const int m = args.integer(1);
    const int s = args.integer(2);
    if (args.failed()) {
        return args.error();
    }
    if (h > kMaxTimeArgument || m > kMaxTimeArgument || s > kMaxTimeArgument) {
        return Value::error(ErrorCode::Num);
    }
    const double seconds = h * 3600.0 + m * 60.0 + s;
    if (seconds < 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return Value(std::fmod(seconds, kSecondsPerDay) / kSecondsPerDay);
}

Value hour(const CallContext& context)
{
    return clockPart(context, [](const DateSerial::Parts& p) { return p.hour; });
}

Value minute(const CallContext& context)
{
    return clockPart(context, [](const DateSerial::Parts& p) { return p.minute; });
}

Value second(const CallContext& context)
{
    return clockPart(context, [](const DateSerial::Parts& p) { return p.second; });
}

// Type 1: Sunday 1 to Saturday 7; 2: Monday 1 to Sunday 7; 3: Monday 0 to
// Sunday 6; 11 to 17: 1 from Monday, Tuesday... Sunday on.
Value weekday(const CallContext& context)
{
    ArgumentReader args(context);
    const double day = dayArgument(args, 0);
    const int type = args.integer(1, 1);
    if (args.failed()) {
        return args.error();
    }
    const int start = type == 3 ? 1 : weekStart(type);
    if (start < 0) {
        return Value::error(ErrorCode::Num);
    }
    const int base = type == 3 ? 0 : 1;
    return Value(static_cast<double>((weekdayOf(day) - start + 7) % 7 + base));
}

// The week holding 1 January is week 1, weeks starting on the type's day;
// type 21 counts ISO weeks.
Value weekNumber(const CallContext& context)
{
    ArgumentReader args(context);
    const double day = dayArgument(args, 0);
    const int type = args.integer(1, 1);
    if (args.failed()) {
        return args.error();
    }
    const QDate date = dateOfDay(day);
    if (type == 21) {
        return Value(static_cast<double>(date.weekNumber()));
    }
    const int start = weekStart(type);
    if (start < 0) {
        return Value::error(ErrorCode::Num);
    }
    const double firstDay = dayOfDate(QDate(date.year(), 1, 1));
    const int offset = (weekdayOf(firstDay) - start + 7) % 7;
    return Value(std::floor((day - firstDay + offset) / 7.0) + 1.0);
}

Value isoWeekNumber(const CallContext& context)
{
    ArgumentReader args(context);
    const QDate date = dateOfDay(dayArgument(args, 0));
    return args.failed() ? args.error() : Value(static_cast<double>(date.weekNumber()));
}

Value days(const CallContext& context)
{
    ArgumentReader args(context);
    const double end = dayArgument(args, 0);
    const double start = dayArgument(args, 1);
    return args.failed() ? args.error() : Value(end - start);
}

Value dateValue(const CallContext& context)
{
    ArgumentReader args(context);
    double serial = 0.0;
    return parsedText(args, serial) ? Value(std::floor(serial)) : args.error();
}

Value timeValue(const CallContext& context)
{
    ArgumentReader args(context);
    double serial = 0.0;
    return parsedText(args, serial) ? Value(serial - std::floor(serial)) : args.error();
}

}  // namespace spreadsheet::functions
