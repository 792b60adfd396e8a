// Differences between two dates: DAYS360, DATEDIF and YEARFRAC.
#include "DateFunctions.h"

#include "ArgumentReader.h"
#include "DateArguments.h"

#include <QDate>

#include <utility>

namespace spreadsheet::functions {

namespace {

bool isLastOfFebruary(const QDate& d)
{
    return d.month() == 2 && d.day() == d.daysInMonth();
}

double days360(const QDate& a, int dayA, const QDate& b, int dayB)
{
    return (b.year() - a.year()) * 360.0 + (b.month() - a.month()) * 30.0 + (dayB - dayA);
}

// The US (NASD) rule: a start on the last day of a month counts as the 30th;
// an end on the 31st counts as the 30th only when the start did, as the 1st
// of the next month would. The European rule makes every 31st a 30th.
double days360(const QDate& a, const QDate& b, bool european)
{
    int dayA = a.day();
    int dayB = b.day();
    if (european) {
        return days360(a, std::min(dayA, 30), b, std::min(dayB, 30));
    }
    if (dayA == 31 || isLastOfFebruary(a)) {
        dayA = 30;
    }
    if (dayB == 31 && dayA == 30) {
        dayB = 30;
    }
    return days360(a, dayA, b, dayB);
}

// YEARFRAC's US 30/360 differs from DAYS360 when both dates are the last day
// of February: both count as the 30th.
double yearFrac360(const QDate& a, const QDate& b)
{
    int dayA = a.day();
    int dayB = b.day();
    if (dayA == 31 && dayB == 31) {
        dayA = dayB = 30;
    } else if (dayA == 31) {
        dayA = 30;
    } else if (dayA == 30 && dayB == 31) {
        dayB = 30;
    } else if (isLastOfFebruary(a) && isLastOfFebruary(b)) {
        dayA = dayB = 30;
    } else if (isLastOfFebruary(a)) {
        dayA = 30;
    }
    return days360(a, dayA, b, dayB) / 360.0;
}

bool holdsLeapDay(const QDate& a, const QDate& b)
{
    for (int y = a.year(); y <= b.year(); ++y) {
        const QDate leap(y, 2, 29);
        if (leap.isValid() && a <= leap && leap <= b) {
            return true;
        }
    }
    return false;
}

// Actual/actual: within a year the days over 365 or 366 (when a 29 February
// lies in the period); over longer periods, the days over the average length
// of the calendar years the period touches.
double yearFracActual(const QDate& a, const QDate& b)
{
    const double days = a.daysTo(b);
    const bool withinYear = a.year() == b.year()
        || (b.year() == a.year() + 1
            && (a.month() > b.month() || (a.month() == b.month() && a.day() >= b.day())));
    if (withinYear) {
        const bool leap = (a.year() == b.year() && QDate::isLeapYear(a.year())) || holdsLeapDay(a, b);
        return days / (leap ? 366.0 : 365.0);
    }
    const double years = b.year() - a.year() + 1.0;
    const double yearDays = QDate(a.year(), 1, 1).daysTo(QDate(b.year() + 1, 1, 1));
    return days / (yearDays / years);
}

// A day and month placed in a year as DATE places them: 29 February of a
// common year becomes 1 March.
QDate inYear(int year, const QDate& d)
{
    return QDate(year, d.month(), 1).addDays(d.day() - 1);
}

Value dateDifference(const QDate& a, const QDate& b, const QString& unit)
{
    const int months = (b.year() - a.year()) * 12 + (b.month() - a.month()) - (b.day() < a.day() ? 1 : 0);
    const QString u = unit.toUpper();
    if (u == QLatin1String("Y")) {
        return Value(static_cast<double>(months / 12));
    }
    if (u == QLatin1String("M")) {
        return Value(static_cast<double>(months));
    }
    if (u == QLatin1String("D")) {
        return Value(static_cast<double>(a.daysTo(b)));
    }
    if (u == QLatin1String("YM")) {
        return Value(static_cast<double>(months % 12));
    }
    if (u == QLatin1String("MD")) {
        // The days past the last whole month, counted from the start's day in
        // the month before the end's: that month may be too short for it, which
        // gives the negative or zero results users know from Excel.
        if (b.day() >= a.day()) {
            return Value(static_cast<double>(b.day() - a.day()));
        }
        const QDate before = b.addMonths(-1);
        return Value(static_cast<double>(before.daysInMonth() - a.day() + b.day()));
    }
    if (u == QLatin1String("YD")) {
        QDate start = inYear(b.year(), a);
        if (start > b) {
            start = inYear(b.year() - 1, a);
        }
        return Value(static_cast<double>(start.daysTo(b)));
    }
    return Value::error(ErrorCode::Num);
}

}  // namespace

Value days360(const CallContext& context)
{
    ArgumentReader args(context);
    const QDate a = dateOfDay(dayArgument(args, 0));
    const QDate b = dateOfDay(dayArgument(args, 1));
    const bool european = args.boolean(2, false);
    return args.failed() ? args.error() : Value(days360(a, b, european));
}

Value dateDif(const CallContext& context)
{
    ArgumentReader args(context);
    const QDate a = dateOfDay(dayArgument(args, 0));
    const QDate b = dateOfDay(dayArgument(args, 1));
    const QString unit = args.text(2);
    if (args.failed()) {
        return args.error();
    }
    return a > b ? Value::error(ErrorCode::Num) : dateDifference(a, b, unit);
}

Value yearFrac(const CallContext& context)
{
    ArgumentReader args(context);
    QDate a = dateOfDay(dayArgument(args, 0));
    QDate b = dateOfDay(dayArgument(args, 1));
    const int basis = args.integer(2, 0);
    if (args.failed()) {
        return args.error();
    }
    if (a > b) {
        std::swap(a, b);
    }
    switch (basis) {
    case 0:
        return Value(yearFrac360(a, b));
    case 1:
        return Value(a == b ? 0.0 : yearFracActual(a, b));
    case 2:
        return Value(a.daysTo(b) / 360.0);
    case 3:
        return Value(a.daysTo(b) / 365.0);
    case 4:
        return Value(days360(a, b, true) / 360.0);
    default:
        return Value::error(ErrorCode::Num);
    }
}

}  // namespace spreadsheet::functions
