#include "DateFunctions.h"

#include "../Coercion.h"
#include "../DateSerial.h"
#include "ArgumentReader.h"

#include <QLocale>

#include <cmath>

namespace spreadsheet::functions {

namespace {

constexpr int kMaxYear = 9999;

// A date argument: a serial number, or a text that reads as a number or a date.
QDate dateArgument(ArgumentReader& args, int i)
{
    const Value v = args.value(i);
    double serial = 0.0;
    ErrorCode code = ErrorCode::Value;
    if (v.isText() && DateSerial::parse(v.text(), QLocale(), serial)) {
        return DateSerial::toDate(serial);
    }
    if (!v.isError() && !coerce::toNumber(v, serial, code)) {
        args.fail(code);
    }
    const QDate date = DateSerial::toDate(serial);
    if (!date.isValid()) {
        args.fail(ErrorCode::Num);
    }
    return date;
}

template <typename Part>
Value datePart(const CallContext& context, Part part)
{
    ArgumentReader args(context);
    const QDate date = dateArgument(args, 0);
    return args.failed() ? args.error() : Value(static_cast<double>(part(date)));
}

Value serialResult(const QDate& date)
{
    const double serial = date.isValid() ? DateSerial::fromDate(date) : -1.0;
    return DateSerial::isValidSerial(serial) ? Value(serial) : Value::error(ErrorCode::Num);
}

// EDATE and EOMONTH: the start date moved by whole months.
template <typename Finish>
Value shiftMonths(const CallContext& context, Finish finish)
{
    ArgumentReader args(context);
    const QDate start = dateArgument(args, 0);
    const int months = args.integer(1);
    if (args.failed()) {
        return args.error();
    }
    const QDate first = QDate(start.year(), start.month(), 1).addMonths(months);
    return serialResult(finish(first, start.day()));
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
    if (y < 1900) {
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
    return serialResult(first.addDays(d - 1LL));
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

}  // namespace spreadsheet::functions
