#include "BondPricing.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::functions::bond {

namespace {

constexpr double kYieldTolerance = 1e-12;
constexpr int kNewtonSteps = 100;
constexpr int kBisectionSteps = 200;

}  // namespace

CouponPosition couponPosition(const CouponBond& bond)
{
    const CouponPeriod period = couponPeriod(bond.settlement, bond.maturity, bond.frequency);
    return {daysSincePrevious(period, bond.settlement, bond.basis),
            periodDays(period.previous, period.next, bond.frequency, bond.basis),
            daysToNext(period, bond.settlement, bond.frequency, bond.basis), period.remaining};
}

double quasiCouponFraction(const QDate& anchor, const QDate& from, const QDate& to, int frequency, Basis basis)
{
    const int step = 12 / frequency;
    const int months = (anchor.year() - from.year()) * 12 + anchor.month() - from.month();
    int k = months >= 0 ? months / step : -((-months + step - 1) / step);
    while (couponDate(anchor, frequency, k) > from) {
        ++k;
    }
    while (couponDate(anchor, frequency, k - 1) <= from) {
        --k;
    }
    double sum = 0.0;
    for (; couponDate(anchor, frequency, k) < to; --k) {
        const QDate start = couponDate(anchor, frequency, k);
        const QDate end = couponDate(anchor, frequency, k - 1);
        // A whole period is one, whatever 30-day months make of its ends.
        const bool months30 = basis == Basis::Us30360 || basis == Basis::European30360;
        if (months30 && from <= start && end <= to) {
            sum += 1.0;
            continue;
        }
        sum += dayCount(std::max(start, from), std::min(end, to), basis) / periodDays(start, end, frequency, basis);
    }
    return sum;
}

// With one coupon left the discounting is simple interest over the
// fraction of the period; otherwise each flow is compounded per period.
double couponBondPrice(const CouponPosition& p, int frequency, double rate, double yield, double redemption)
{
    const double coupon = 100.0 * rate / frequency;
    const double y = yield / frequency;
    const double toNext = p.toNext / p.length;
    const double accrued = coupon * p.accrued / p.length;
    if (p.remaining == 1) {
        return (redemption + coupon) / (1.0 + toNext * y) - accrued;
    }
    double sum = redemption / std::pow(1.0 + y, p.remaining - 1.0 + toNext);
    for (int k = 1; k <= p.remaining; ++k) {
        sum += coupon / std::pow(1.0 + y, k - 1.0 + toNext);
    }
    return sum - accrued;
}

std::optional<double> solveYield(const std::function<double(double)>& price, double target, double guess)
{
    double y = guess;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const double h = 1e-7 * std::max(1.0, std::fabs(y));
        const double f = price(y) - target;
        const double slope = (price(y + h) - price(y - h)) / (2.0 * h);
        if (!std::isfinite(f) || !std::isfinite(slope) || slope == 0.0) {
            break;
        }
        const double next = y - f / slope;
        if (std::fabs(next - y) < kYieldTolerance * std::max(1.0, std::fabs(y))) {
            return next;
        }
        y = next;
    }
    // Bracket the root between a yield near -100 % and one large enough.
    double low = -0.999999;
    double high = 1.0;
    for (int i = 0; i < 60 && price(high) > target; ++i) {
        high *= 2.0;
    }
    if (!(price(low) >= target && price(high) <= target)) {
        return std::nullopt;
    }
    for (int i = 0; i < kBisectionSteps && high - low > kYieldTolerance; ++i) {
        const double mid = 0.5 * (low + high);
        (price(mid) > target ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

}  // namespace spreadsheet::functions::bond
