#include "FinancialFunctions.h"

#include "ArgumentReader.h"
#include "BondPricing.h"
#include "Results.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

using bond::Basis;

// A bond whose first coupon period, from the dated date to the first coupon, is
// shorter or longer than the others. Quasi-coupon dates run through the
// first coupon at the regular spacing.
struct OddFirstBond {
    QDate settlement;
    QDate maturity;
    QDate dated;
    QDate firstCoupon;
    double rate;
    double amount;  // yield or price
    double redemption;
    int frequency;
    Basis basis;
};

bool readOddFirst(ArgumentReader& args, OddFirstBond& b)
{
    b.settlement = bond::readDate(args, 0);
    b.maturity = bond::readDate(args, 1);
    b.dated = bond::readDate(args, 2);
    b.firstCoupon = bond::readDate(args, 3);
    b.rate = args.number(4);
    b.amount = args.number(5);
    b.redemption = args.number(6);
    b.frequency = bond::readFrequency(args, 7);
    b.basis = bond::readBasis(args, 8);
    if (args.failed()) {
        return false;
    }
    if (!(b.maturity > b.firstCoupon && b.firstCoupon > b.settlement && b.settlement > b.dated) || b.rate < 0.0
        || b.amount < 0.0 || b.redemption <= 0.0) {
        args.fail(ErrorCode::Num);
        return false;
    }
    return true;
}

// Discounting runs in coupon periods from settlement: whole quasi periods
// to the first coupon plus the fraction of the one holding settlement.
double priceOddFirst(const OddFirstBond& b, double yield)
{
    const int f = b.frequency;
    const double coupon = 100.0 * b.rate / f;
    const double y = yield / f;
    int whole = 0;
    while (bond::couponDate(b.firstCoupon, f, whole + 1) > b.settlement) {
        ++whole;
    }
    const bond::CouponPeriod holding{bond::couponDate(b.firstCoupon, f, whole + 1),
                                     bond::couponDate(b.firstCoupon, f, whole), whole + 1};
    const double length = bond::periodDays(holding.previous, holding.next, f, b.basis);
    const double toFirst = whole + bond::daysToNext(holding, b.settlement, f, b.basis) / length;
    const int months = (b.maturity.year() - b.firstCoupon.year()) * 12 + b.maturity.month() - b.firstCoupon.month();
    const int later = static_cast<int>(std::lround(months / (12.0 / f)));
    const double firstCoupon = coupon * bond::quasiCouponFraction(b.firstCoupon, b.dated, b.firstCoupon, f, b.basis);
    const double accrued = coupon * bond::quasiCouponFraction(b.firstCoupon, b.dated, b.settlement, f, b.basis);
    double sum = firstCoupon / std::pow(1.0 + y, toFirst) + b.redemption / std::pow(1.0 + y, toFirst + later);
    for (int k = 1; k <= later; ++k) {
        sum += coupon / std::pow(1.0 + y, toFirst + k);
    }
    return sum - accrued;
}

// A bond whose last period, from the last coupon to maturity, is odd.
// Quasi-coupon periods run forward from the last coupon; per period the
// days paid for (DC), accrued before settlement (A) and left after it (DSC).
struct OddLastTerms {
    double paid = 0.0;
    double accrued = 0.0;
    double left = 0.0;
    double rate = 0.0;
    double amount = 0.0;
    double redemption = 0.0;
    int frequency = 1;
};

bool readOddLast(ArgumentReader& args, OddLastTerms& t)
{
    const QDate settlement = bond::readDate(args, 0);
    const QDate maturity = bond::readDate(args, 1);
    const QDate lastInterest = bond::readDate(args, 2);
    t.rate = args.number(3);
    t.amount = args.number(4);
    t.redemption = args.number(5);
    t.frequency = bond::readFrequency(args, 6);
    const Basis basis = bond::readBasis(args, 7);
    if (args.failed()) {
        return false;
    }
    if (!(maturity > settlement && settlement > lastInterest) || t.rate < 0.0 || t.amount < 0.0
        || t.redemption <= 0.0) {
        args.fail(ErrorCode::Num);
        return false;
    }
    const int f = t.frequency;
    t.paid = bond::quasiCouponFraction(lastInterest, lastInterest, maturity, f, basis);
    t.accrued = bond::quasiCouponFraction(lastInterest, lastInterest, settlement, f, basis);
    t.left = bond::quasiCouponFraction(lastInterest, settlement, maturity, f, basis);
    return true;
}

}  // namespace

Value oddFirstPrice(const CallContext& context)
{
    ArgumentReader args(context);
    OddFirstBond b{};
    if (!readOddFirst(args, b)) {
        return args.error();
    }
    return numberOrNum(priceOddFirst(b, b.amount));
}

Value oddFirstYield(const CallContext& context)
{
    ArgumentReader args(context);
    OddFirstBond b{};
    if (!readOddFirst(args, b)) {
        return args.error();
    }
    if (b.amount <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    const auto price = [&](double y) { return priceOddFirst(b, y); };
    const auto yield = bond::solveYield(price, b.amount, b.rate > 0.0 ? b.rate : 0.05);
    return yield ? numberOrNum(*yield) : Value::error(ErrorCode::Num);
}

// The redemption and the odd coupon, discounted by simple interest over
// the periods left.
Value oddLastPrice(const CallContext& context)
{
    ArgumentReader args(context);
    OddLastTerms t;
    if (!readOddLast(args, t)) {
        return args.error();
    }
    const double coupon = 100.0 * t.rate / t.frequency;
    const double y = t.amount / t.frequency;
    return numberOrNum((t.redemption + coupon * t.paid) / (1.0 + t.left * y) - coupon * t.accrued);
}

Value oddLastYield(const CallContext& context)
{
    ArgumentReader args(context);
    OddLastTerms t;
    if (!readOddLast(args, t)) {
        return args.error();
    }
    const double coupon = 100.0 * t.rate / t.frequency;
    const double paid = t.amount + coupon * t.accrued;
    if (paid <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum((t.redemption + coupon * t.paid - paid) / paid * t.frequency / t.left);
}

}  // namespace spreadsheet::functions
