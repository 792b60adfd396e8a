#pragma once

#include "ArgumentReader.h"

#include <QDate>

#include <optional>

namespace spreadsheet::functions::bond {

// The day-count conventions of securities, numbered as the basis argument.
enum class Basis { Us30360 = 0, ActualActual = 1, Actual360 = 2, Actual365 = 3, European30360 = 4 };

// Days from start to end as the basis counts them: 30-day months for the
// 30/360 bases, calendar days for the others.
double dayCount(const QDate& start, const QDate& end, Basis basis);
// The part of a year from start to end (start <= end), as YEARFRAC gives it.
double yearFraction(const QDate& start, const QDate& end, Basis basis);
// Days of the year the basis divides by: 360, 365, or for actual/actual
// the length of the calendar year holding the date.
double yearDays(const QDate& date, Basis basis);

// The coupon dates of a bond come from its maturity, one every 12/frequency
// months back; a maturity on a month's last day keeps them on last days.
QDate couponDate(const QDate& maturity, int frequency, int periodsBack);

// The coupon period holding the settlement date.
struct CouponPeriod {
    QDate previous;  // on or before settlement
    QDate next;      // after settlement
    int remaining;   // coupons from next to maturity, both counted
};
CouponPeriod couponPeriod(const QDate& settlement, const QDate& maturity, int frequency);

// Length of a coupon period in days (E): calendar days for actual/actual,
// 365/frequency for actual/365, 360/frequency otherwise.
double periodDays(const QDate& previous, const QDate& next, int frequency, Basis basis);
// Days from the previous coupon to settlement (A) and from settlement to
// the next coupon (DSC); the 30/360 bases take DSC as E - A.
double daysSincePrevious(const CouponPeriod& period, const QDate& settlement, Basis basis);
double daysToNext(const CouponPeriod& period, const QDate& settlement, int frequency, Basis basis);

// Argument readers recording #VALUE! or #NUM! in the reader as the bond
// functions give them.
QDate readDate(ArgumentReader& args, int i);
Basis readBasis(ArgumentReader& args, int i);
int readFrequency(ArgumentReader& args, int i);

// Settlement, maturity, frequency and basis of a coupon bond, read from
// consecutive arguments: settlement before maturity, frequency 1, 2 or 4.
struct CouponBond {
    QDate settlement;
    QDate maturity;
    int frequency = 2;
    Basis basis = Basis::Us30360;
};
CouponBond readCouponBond(ArgumentReader& args, int settlement, int frequency);

}  // namespace spreadsheet::functions::bond
