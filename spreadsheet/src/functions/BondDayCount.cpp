#include "BondDayCount.h"

#include "../DateSerial.h"

#include <cmath>

namespace spreadsheet::functions::bond {

namespace {

bool isLastOfFebruary(const QDate& d)
{
    return d.month() == 2 && d.day() == d.daysInMonth();
}

double days360(const QDate& start, const QDate& end, int startDay, int endDay)
{
    return 360.0 * (end.year() - start.year()) + 30.0 * (end.month() - start.month()) + (endDay - startDay);
}

// The NASD rule: the 31st counts as the 30th, and so does the end of
// February when the count starts there.
double us30360(const QDate& start, const QDate& end)
{
    int d1 = start.day();
    int d2 = end.day();
    if (d1 == 31 && d2 == 31) {
        d1 = d2 = 30;
    } else if (d1 == 31) {
        d1 = 30;
    } else if (d1 == 30 && d2 == 31) {
        d2 = 30;
    } else if (isLastOfFebruary(start) && isLastOfFebruary(end)) {
        d1 = d2 = 30;
    } else if (isLastOfFebruary(start)) {
        d1 = 30;
    }
    return days360(start, end, d1, d2);
}

double european30360(const QDate& start, const QDate& end)
{
    return days360(start, end, std::min(start.day(), 30), std::min(end.day(), 30));
}

// Whether a 29 February lies between the two dates, both included.
bool holdsLeapDay(const QDate& start, const QDate& end)
{
    for (int y = start.year(); y <= end.year(); ++y) {
        const QDate leapDay(y, 2, 29);
        if (leapDay.isValid() && start <= leapDay && leapDay <= end) {
            return true;
        }
    }
    return false;
}

// Actual/actual divides by the length of the year when the dates are at
// most a year apart, and by the average length of the years they touch
// otherwise.
double actualActualFraction(const QDate& start, const QDate& end)
{
    const double actual = static_cast<double>(start.daysTo(end));
    const bool withinYear = start.year() == end.year()
                            || (end.year() == start.year() + 1
                                && (start.month() > end.month()
                                    || (start.month() == end.month() && start.day() >= end.day())));
    if (withinYear) {
        const bool leap = start.year() == end.year() ? QDate::isLeapYear(start.year()) : holdsLeapDay(start, end);
        return actual / (leap ? 366.0 : 365.0);
    }
    const double years = end.year() - start.year() + 1;
    const double spanned = static_cast<double>(QDate(start.year(), 1, 1).daysTo(QDate(end.year() + 1, 1, 1)));
    return actual / (spanned / years);
}

}  // namespace

double dayCount(const QDate& start, const QDate& end, Basis basis)
{
    switch (basis) {
    case Basis::Us30360:
        return us30360(start, end);
    case Basis::European30360:
        return european30360(start, end);
    default:
        return static_cast<double>(start.daysTo(end));
    }
}

double yearFraction(const QDate& start, const QDate& end, Basis basis)
{
    switch (basis) {
    case Basis::ActualActual:
        return actualActualFraction(start, end);
    case Basis::Actual365:
        return static_cast<double>(start.daysTo(end)) / 365.0;
    default:
        return dayCount(start, end, basis) / 360.0;
    }
}

double yearDays(const QDate& date, Basis basis)
{
    switch (basis) {
    case Basis::ActualActual:
        return QDate::isLeapYear(date.year()) ? 366.0 : 365.0;
    case Basis::Actual365:
        return 365.0;
    default:
        return 360.0;
    }
}

QDate couponDate(const QDate& maturity, int frequency, int periodsBack)
{
    const QDate d = maturity.addMonths(-periodsBack * (12 / frequency));
    if (maturity.day() == maturity.daysInMonth()) {
        return QDate(d.year(), d.month(), d.daysInMonth());
    }
    return d;
}

CouponPeriod couponPeriod(const QDate& settlement, const QDate& maturity, int frequency)
{
    // Start near the answer, then step to it: coupons are at most a year apart.
    const int months = (maturity.year() - settlement.year()) * 12 + maturity.month() - settlement.month();
    int k = std::max(1, months / (12 / frequency) - 1);
    while (k > 1 && couponDate(maturity, frequency, k - 1) <= settlement) {
        --k;
    }
    while (couponDate(maturity, frequency, k) > settlement) {
        ++k;
    }
    return {couponDate(maturity, frequency, k), couponDate(maturity, frequency, k - 1), k};
}

double periodDays(const QDate& previous, const QDate& next, int frequency, Basis basis)
{
    switch (basis) {
    case Basis::ActualActual:
        return static_cast<double>(previous.daysTo(next));
    case Basis::Actual365:
        return 365.0 / frequency;
    default:
        return 360.0 / frequency;
    }
}

double daysSincePrevious(const CouponPeriod& period, const QDate& settlement, Basis basis)
{
    return dayCount(period.previous, settlement, basis);
}

double daysToNext(const CouponPeriod& period, const QDate& settlement, int frequency, Basis basis)
{
    if (basis == Basis::Us30360 || basis == Basis::European30360) {
        return periodDays(period.previous, period.next, frequency, basis)
               - daysSincePrevious(period, settlement, basis);
    }
    return static_cast<double>(settlement.daysTo(period.next));
}

QDate readDate(ArgumentReader& args, int i)
{
    const double serial = std::floor(args.number(i));
    if (args.failed()) {
        return {};
    }
    const QDate d = DateSerial::toDate(serial);
    if (!d.isValid()) {
        args.fail(ErrorCode::Num);
    }
    return d;
}

Basis readBasis(ArgumentReader& args, int i)
{
    const int basis = args.integer(i, 0);
    if (basis < 0 || basis > 4) {
        args.fail(ErrorCode::Num);
        return Basis::Us30360;
    }
    return static_cast<Basis>(basis);
}

int readFrequency(ArgumentReader& args, int i)
{
    const int frequency = args.integer(i, 0);
    if (frequency != 1 && frequency != 2 && frequency != 4) {
        args.fail(ErrorCode::Num);
        return 1;
    }
    return frequency;
}

CouponBond readCouponBond(ArgumentReader& args, int settlement, int frequency)
{
    CouponBond bond;
    bond.settlement = readDate(args, settlement);
    bond.maturity = readDate(args, settlement + 1);
    bond.frequency = readFrequency(args, frequency);
    bond.basis = readBasis(args, frequency + 1);
    if (!args.failed() && bond.settlement >= bond.maturity) {
        args.fail(ErrorCode::Num);
    }
    return bond;
}

}  // namespace spreadsheet::functions::bond
