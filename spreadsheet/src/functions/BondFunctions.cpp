#include "FinancialFunctions.h"

#include "../DateSerial.h"
#include "ArgumentReader.h"
#include "BondPricing.h"
#include "Results.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

using bond::Basis;
using bond::CouponBond;

// The coupon functions take settlement, maturity, frequency and basis.
template <typename Result>
Value couponQuery(const CallContext& context, Result result)
{
    ArgumentReader args(context);
    const CouponBond b = bond::readCouponBond(args, 0, 2);
    if (args.failed()) {
        return args.error();
    }
    return result(b, bond::couponPeriod(b.settlement, b.maturity, b.frequency));
}

// Settlement and maturity of a security without coupons, settlement first.
struct Term {
    QDate settlement;
    QDate maturity;
    Basis basis = Basis::Us30360;
    double years() const { return bond::yearFraction(settlement, maturity, basis); }
};

Term readTerm(ArgumentReader& args, int basis)
{
    Term t;
    t.settlement = bond::readDate(args, 0);
    t.maturity = bond::readDate(args, 1);
    t.basis = bond::readBasis(args, basis);
    if (!args.failed() && t.settlement >= t.maturity) {
        args.fail(ErrorCode::Num);
    }
    return t;
}

// DISC, INTRATE, PRICEDISC, RECEIVED and YIELDDISC: settlement, maturity,
// two positive amounts, basis.
template <typename Formula>
Value discountSecurity(const CallContext& context, Formula formula)
{
    ArgumentReader args(context);
    const Term t = readTerm(args, 4);
    const double first = args.number(2);
    const double second = args.number(3);
    if (args.failed()) {
        return args.error();
    }
    if (first <= 0.0 || second <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(formula(first, second, t.years()));
}

// Treasury bills count actual days over a 360-day year and last at most a year.
bool readTreasuryBill(ArgumentReader& args, double& days, double& amount)
{
    const QDate settlement = bond::readDate(args, 0);
    const QDate maturity = bond::readDate(args, 1);
    amount = args.number(2);
    if (args.failed()) {
        return false;
    }
    if (settlement >= maturity || maturity > settlement.addYears(1) || amount <= 0.0) {
        args.fail(ErrorCode::Num);
        return false;
    }
    days = static_cast<double>(settlement.daysTo(maturity));
    return true;
}

// Securities paying all interest at maturity: settlement, maturity, the
// date interest starts (dated), rate, a price or yield, basis. Fractions of
// a year run from dated to maturity (DIM), dated to settlement (A) and
// settlement to maturity (DSM).
struct MaturityTerms {
    double dim;
    double a;
    double dsm;
    double rate;
    double amount;
};

bool readMaturitySecurity(ArgumentReader& args, MaturityTerms& m)
{
    const Term t = readTerm(args, 5);
    const QDate dated = bond::readDate(args, 2);
    m.rate = args.number(3);
    m.amount = args.number(4);
    if (args.failed()) {
        return false;
    }
    if (m.rate < 0.0 || m.amount < 0.0 || dated > t.settlement) {
        args.fail(ErrorCode::Num);
        return false;
    }
    m.dim = bond::yearFraction(dated, t.maturity, t.basis);
    m.a = bond::yearFraction(dated, t.settlement, t.basis);
    m.dsm = t.years();
    return true;
}

struct PricedBond {
    CouponBond bond;
    double rate;
    double amount;  // a yield or a price
    double redemption;
};

// PRICE and YIELD: settlement, maturity, rate, yield or price, redemption,
// frequency, basis.
bool readPricedBond(ArgumentReader& args, PricedBond& p)
{
    p.bond = bond::readCouponBond(args, 0, 5);
    p.rate = args.number(2);
    p.amount = args.number(3);
    p.redemption = args.number(4);
    if (args.failed()) {
        return false;
    }
    if (p.rate < 0.0 || p.amount < 0.0 || p.redemption <= 0.0) {
        args.fail(ErrorCode::Num);
        return false;
    }
    return true;
}

// Macaulay duration in years: the coupons' times to payment weighted by
// their present values.
Value durationWith(const CallContext& context, bool modified)
{
    ArgumentReader args(context);
    const CouponBond b = bond::readCouponBond(args, 0, 4);
    const double coupon = args.number(2);
    const double yield = args.number(3);
    if (args.failed()) {
        return args.error();
    }
    if (coupon < 0.0 || yield < 0.0) {
        return Value::error(ErrorCode::Num);
    }
    const bond::CouponPosition p = bond::couponPosition(b);
    const double y = yield / b.frequency;
    const double c = 100.0 * coupon / b.frequency;
    double weighted = 0.0;
    double total = 0.0;
    for (int k = 1; k <= p.remaining; ++k) {
        const double t = k - 1.0 + p.toNext / p.length;
        const double flow = (k == p.remaining ? c + 100.0 : c) / std::pow(1.0 + y, t);
        weighted += t * flow;
        total += flow;
    }
    const double years = weighted / total / b.frequency;
    return numberOrNum(modified ? years / (1.0 + y) : years);
}

}  // namespace

Value couponDaysBeforeSettlement(const CallContext& context)
{
    return couponQuery(context, [](const CouponBond& b, const bond::CouponPeriod& p) {
        return Value(bond::daysSincePrevious(p, b.settlement, b.basis));
    });
}

Value couponPeriodDays(const CallContext& context)
{
    return couponQuery(context, [](const CouponBond& b, const bond::CouponPeriod& p) {
        return Value(bond::periodDays(p.previous, p.next, b.frequency, b.basis));
    });
}

Value couponDaysToNext(const CallContext& context)
{
    return couponQuery(context, [](const CouponBond& b, const bond::CouponPeriod& p) {
        return Value(bond::daysToNext(p, b.settlement, b.frequency, b.basis));
    });
}

Value nextCouponDate(const CallContext& context)
{
    return couponQuery(context, [](const CouponBond&, const bond::CouponPeriod& p) {
        return Value(DateSerial::fromDate(p.next));
    });
}

Value previousCouponDate(const CallContext& context)
{
    return couponQuery(context, [](const CouponBond&, const bond::CouponPeriod& p) {
        return Value(DateSerial::fromDate(p.previous));
    });
}

Value couponCount(const CallContext& context)
{
    return couponQuery(context, [](const CouponBond&, const bond::CouponPeriod& p) { return Value(p.remaining); });
}

// Interest from the dated date to settlement over the coupon schedule
// through the first interest date. Told not to count from there, a
// settlement after the first interest date accrues from the last coupon
// before it.
Value accruedInterest(const CallContext& context)
{
    ArgumentReader args(context);
    const QDate dated = bond::readDate(args, 0);
    const QDate firstInterest = bond::readDate(args, 1);
    const QDate settlement = bond::readDate(args, 2);
    const double rate = args.number(3);
    const double par = args.number(4);
    const int frequency = bond::readFrequency(args, 5);
    const Basis basis = bond::readBasis(args, 6);
    const bool fromDated = args.boolean(7, true);
    if (args.failed()) {
        return args.error();
    }
    if (rate <= 0.0 || par <= 0.0 || dated >= settlement) {
        return Value::error(ErrorCode::Num);
    }
    QDate start = dated;
    if (!fromDated && settlement > firstInterest) {
        int k = 0;
        while (bond::couponDate(firstInterest, frequency, k - 1) <= settlement) {
            --k;
        }
        start = bond::couponDate(firstInterest, frequency, k);
    }
    const double periods = bond::quasiCouponFraction(firstInterest, start, settlement, frequency, basis);
    return numberOrNum(par * rate / frequency * periods);
}

Value accruedInterestAtMaturity(const CallContext& context)
{
    ArgumentReader args(context);
    const QDate dated = bond::readDate(args, 0);
    const QDate settlement = bond::readDate(args, 1);
    const double rate = args.number(2);
    const double par = args.number(3);
    const Basis basis = bond::readBasis(args, 4);
    if (args.failed()) {
        return args.error();
    }
    if (rate <= 0.0 || par <= 0.0 || dated >= settlement) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(par * rate * bond::yearFraction(dated, settlement, basis));
}

Value securityDiscountRate(const CallContext& context)
{
    return discountSecurity(context, [](double price, double redemption, double years) {
        return (redemption - price) / redemption / years;
    });
}

Value securityInterestRate(const CallContext& context)
{
    return discountSecurity(context, [](double investment, double redemption, double years) {
        return (redemption - investment) / investment / years;
    });
}

Value discountedPrice(const CallContext& context)
{
    return discountSecurity(context, [](double discount, double redemption, double years) {
        return redemption * (1.0 - discount * years);
    });
}

Value amountReceived(const CallContext& context)
{
    return discountSecurity(context, [](double investment, double discount, double years) {
        return investment / (1.0 - discount * years);
    });
}

Value discountedYield(const CallContext& context)
{
    return discountSecurity(context, [](double price, double redemption, double years) {
        return (redemption - price) / price / years;
    });
}

Value treasuryBillPrice(const CallContext& context)
{
    ArgumentReader args(context);
    double days = 0.0;
    double discount = 0.0;
    if (!readTreasuryBill(args, days, discount)) {
        return args.error();
    }
    const double price = 100.0 * (1.0 - discount * days / 360.0);
    return price <= 0.0 ? Value::error(ErrorCode::Num) : numberOrNum(price);
}

Value treasuryBillYield(const CallContext& context)
{
    ArgumentReader args(context);
    double days = 0.0;
    double price = 0.0;
    if (!readTreasuryBill(args, days, price)) {
        return args.error();
    }
    return numberOrNum((100.0 - price) / price * 360.0 / days);
}

// The bond-equivalent yield of a bill: its discount over a 365-day year.
Value treasuryBillEquivalent(const CallContext& context)
{
    ArgumentReader args(context);
    double days = 0.0;
    double discount = 0.0;
    if (!readTreasuryBill(args, days, discount)) {
        return args.error();
    }
    return numberOrNum(365.0 * discount / (360.0 - discount * days));
}

Value priceAtMaturity(const CallContext& context)
{
    ArgumentReader args(context);
    MaturityTerms m{};
    if (!readMaturitySecurity(args, m)) {
        return args.error();
    }
    const double yield = m.amount;
    return numberOrNum((100.0 + m.dim * m.rate * 100.0) / (1.0 + m.dsm * yield) - m.a * m.rate * 100.0);
}

Value yieldAtMaturity(const CallContext& context)
{
    ArgumentReader args(context);
    MaturityTerms m{};
    if (!readMaturitySecurity(args, m)) {
        return args.error();
    }
    const double price = m.amount / 100.0;
    if (price <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    const double paid = price + m.a * m.rate;
    return numberOrNum(((1.0 + m.dim * m.rate) - paid) / paid / m.dsm);
}

Value bondPrice(const CallContext& context)
{
    ArgumentReader args(context);
    PricedBond p{};
    if (!readPricedBond(args, p)) {
        return args.error();
    }
    const bond::CouponPosition position = bond::couponPosition(p.bond);
    return numberOrNum(bond::couponBondPrice(position, p.bond.frequency, p.rate, p.amount, p.redemption));
}

// One coupon left has a closed form; otherwise the price is solved for.
Value bondYield(const CallContext& context)
{
    ArgumentReader args(context);
    PricedBond p{};
    if (!readPricedBond(args, p)) {
        return args.error();
    }
    if (p.amount <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    const bond::CouponPosition pos = bond::couponPosition(p.bond);
    const int f = p.bond.frequency;
    if (pos.remaining == 1) {
        const double paid = p.amount / 100.0 + pos.accrued / pos.length * p.rate / f;
        const double received = p.redemption / 100.0 + p.rate / f;
        return numberOrNum((received - paid) / paid * f * pos.length / pos.toNext);
    }
    const auto price = [&](double y) { return bond::couponBondPrice(pos, f, p.rate, y, p.redemption); };
    const auto yield = bond::solveYield(price, p.amount, p.rate > 0.0 ? p.rate : 0.05);
    return yield ? numberOrNum(*yield) : Value::error(ErrorCode::Num);
}

Value macaulayDuration(const CallContext& context)
{
    return durationWith(context, false);
}

Value modifiedDuration(const CallContext& context)
{
    return durationWith(context, true);
}

}  // namespace spreadsheet::functions
