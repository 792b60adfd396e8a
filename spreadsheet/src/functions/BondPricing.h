#pragma once

#include "BondDayCount.h"

#include <functional>
#include <optional>

namespace spreadsheet::functions::bond {

// Where settlement falls in the coupon schedule, in the quantities the
// price formulas use: A, E and DSC in days, N coupons left.
struct CouponPosition {
    double accrued;    // A: previous coupon to settlement
    double length;     // E: the coupon period holding settlement
    double toNext;     // DSC: settlement to the next coupon
    int remaining;     // N
};
CouponPosition couponPosition(const CouponBond& bond);

// The number of coupon periods, in fractions, from `from` to `to`: each
// period of the schedule through `anchor` contributes its days in the span
// over its length. Gives the accrued part of a coupon over odd periods.
double quasiCouponFraction(const QDate& anchor, const QDate& from, const QDate& to, int frequency, Basis basis);

// Price per 100 of face value of a bond paying rate / frequency each
// period, at an annual yield compounded with the coupons, accrued interest
// taken out.
double couponBondPrice(const CouponPosition& p, int frequency, double rate, double yield, double redemption);

// The yield at which price(yield) equals target: Newton's method from the
// guess, then bisection if it strays. Prices fall as yields rise.
std::optional<double> solveYield(const std::function<double(double)>& price, double target, double guess);

}  // namespace spreadsheet::functions::bond
