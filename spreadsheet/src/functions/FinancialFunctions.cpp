#include "FinancialFunctions.h"

#include "ArgumentReader.h"
#include "Results.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::functions {

namespace {

constexpr double kRateTolerance = 1e-7;
constexpr int kRateIterations = 20;

// The payment-timing argument: 0 at the end of each period, anything else
// at its start.
double paymentTiming(ArgumentReader& args, int i)
{
    return args.number(i, 0.0) != 0.0 ? 1.0 : 0.0;
}

// (1 + r)^n - 1 and its quotient by r, exact also for rates near zero.
double growth(double rate, double periods)
{
    return std::expm1(periods * std::log1p(rate));
}

double annuityFactor(double rate, double periods)
{
    return rate == 0.0 ? periods : growth(rate, periods) / rate;
}

// The value left after `periods` payments: the cash-flow sign convention
// makes pv + payments + fv sum to zero.
double futureValueOf(double rate, double periods, double payment, double pv, double timing)
{
    return -(pv * (1.0 + growth(rate, periods)) + payment * (1.0 + rate * timing) * annuityFactor(rate, periods));
}

double paymentOf(double rate, double periods, double pv, double fv, double timing)
{
    if (rate == 0.0) {
        return -(pv + fv) / periods;
    }
    return -(fv + pv * (1.0 + growth(rate, periods))) / ((1.0 + rate * timing) * annuityFactor(rate, periods));
}

// The interest in period `period` (1-based) of an annuity: the rate on the
// balance left at the end of the period before. Paid in advance, the first
// period has no interest and the others are discounted by one period.
double interestOf(double rate, double period, double periods, double pv, double fv, double timing)
{
    if (timing != 0.0 && period == 1.0) {
        return 0.0;
    }
    const double payment = paymentOf(rate, periods, pv, fv, timing);
    const double interest = futureValueOf(rate, period - 1.0, payment, pv, timing) * rate;
    return timing != 0.0 ? interest / (1.0 + rate) : interest;
}

struct AnnuityTerms {
    double rate;
    double periods;
    double pv;
    double fv;
    double timing;
};

Value periodPart(const CallContext& context, bool principal)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double period = args.number(1);
    const AnnuityTerms t{rate, args.number(2), args.number(3), args.number(4, 0.0), paymentTiming(args, 5)};
    if (args.failed()) {
        return args.error();
    }
    if (period < 1.0 || period > t.periods) {
        return Value::error(ErrorCode::Num);
    }
    const double interest = interestOf(t.rate, period, t.periods, t.pv, t.fv, t.timing);
    return numberOrNum(principal ? paymentOf(t.rate, t.periods, t.pv, t.fv, t.timing) - interest : interest);
}

Value cumulativePart(const CallContext& context, bool principal)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double periods = std::trunc(args.number(1));
    const double pv = args.number(2);
    const double first = std::trunc(args.number(3));
    const double last = std::trunc(args.number(4));
    const double timing = std::trunc(args.number(5));
    if (args.failed()) {
        return args.error();
    }
    if (rate <= 0.0 || periods <= 0.0 || pv <= 0.0 || first < 1.0 || last < first || last > periods
        || (timing != 0.0 && timing != 1.0)) {
        return Value::error(ErrorCode::Num);
    }
    const double payment = paymentOf(rate, periods, pv, 0.0, timing);
    double sum = 0.0;
    for (double p = first; p <= last; p += 1.0) {
        const double interest = interestOf(rate, p, periods, pv, 0.0, timing);
        sum += principal ? payment - interest : interest;
    }
    return numberOrNum(sum);
}

// RATE solves for the rate at which the annuity's payment equals the one
// given. Divided through by the annuity factor, the balance equation grows
// about linearly with the rate instead of exponentially, so Newton's method
// reaches long annuities (a 30-year mortgage) from the usual guess.
struct RateEquation {
    double periods;
    double payment;
    double pv;
    double fv;
    double timing;

    double value(double r) const
    {
        if (r == 0.0) {
            return (pv + fv) / periods + payment;
        }
        const double g = growth(r, periods);
        return (pv * (1.0 + g) + fv) * r / ((1.0 + r * timing) * g) + payment;
    }
    double slope(double r) const
    {
        const double h = 1e-7 * std::max(1.0, std::fabs(r));
        return (value(r + h) - value(r - h)) / (2.0 * h);
    }
};

}  // namespace

Value presentValue(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double periods = args.number(1);
    const double payment = args.number(2);
    const double fv = args.number(3, 0.0);
    const double timing = paymentTiming(args, 4);
    if (args.failed()) {
        return args.error();
    }
    const double annuity = payment * (1.0 + rate * timing) * annuityFactor(rate, periods);
    return numberOrNum(-(fv + annuity) / (1.0 + growth(rate, periods)));
}

Value futureValue(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double periods = args.number(1);
    const double payment = args.number(2);
    const double pv = args.number(3, 0.0);
    const double timing = paymentTiming(args, 4);
    if (args.failed()) {
        return args.error();
    }
    return numberOrNum(futureValueOf(rate, periods, payment, pv, timing));
}

Value annuityPayment(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double periods = args.number(1);
    const double pv = args.number(2);
    const double fv = args.number(3, 0.0);
    const double timing = paymentTiming(args, 4);
    if (args.failed()) {
        return args.error();
    }
    if (periods == 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(paymentOf(rate, periods, pv, fv, timing));
}

Value annuityPeriods(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double payment = args.number(1);
    const double pv = args.number(2);
    const double fv = args.number(3, 0.0);
    const double timing = paymentTiming(args, 4);
    if (args.failed()) {
        return args.error();
    }
    if (rate == 0.0) {
        return payment == 0.0 ? Value::error(ErrorCode::Num) : numberOrNum(-(pv + fv) / payment);
    }
    const double adjusted = payment * (1.0 + rate * timing);
    const double ratio = (adjusted - fv * rate) / (adjusted + pv * rate);
    if (!(ratio > 0.0) || rate <= -1.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(std::log(ratio) / std::log1p(rate));
}

// Newton's method from the guess, as many steps as the spreadsheet
// convention allows; no convergence is #NUM!.
Value annuityRate(const CallContext& context)
{
    ArgumentReader args(context);
    const RateEquation eq{args.number(0), args.number(1), args.number(2), args.number(3, 0.0), paymentTiming(args, 4)};
    double r = context.isMissing(5) ? 0.1 : args.number(5);
    if (args.failed()) {
        return args.error();
    }
    if (eq.periods <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    for (int i = 0; i < kRateIterations; ++i) {
        const double slope = eq.slope(r);
        if (slope == 0.0 || !std::isfinite(slope)) {
            break;
        }
        const double next = r - eq.value(r) / slope;
        if (!std::isfinite(next) || next <= -1.0) {
            break;
        }
        if (std::fabs(next - r) < kRateTolerance) {
            return Value(next);
        }
        r = next;
    }
    return Value::error(ErrorCode::Num);
}

Value interestPayment(const CallContext& context)
{
    return periodPart(context, false);
}

Value principalPayment(const CallContext& context)
{
    return periodPart(context, true);
}

Value cumulativeInterest(const CallContext& context)
{
    return cumulativePart(context, false);
}

Value cumulativePrincipal(const CallContext& context)
{
    return cumulativePart(context, true);
}

// A loan repaid in equal parts of principal: the interest of a period
// (counted from 0) is the rate on what is still owed.
Value evenPrincipalInterest(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double period = args.number(1);
    const double periods = args.number(2);
    const double pv = args.number(3);
    if (args.failed()) {
        return args.error();
    }
    if (periods == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    return numberOrNum(pv * rate * (period / periods - 1.0));
}

Value effectiveRate(const CallContext& context)
{
    ArgumentReader args(context);
    const double nominal = args.number(0);
    const double perYear = std::trunc(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    if (nominal <= 0.0 || perYear < 1.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(growth(nominal / perYear, perYear));
}

Value nominalRate(const CallContext& context)
{
    ArgumentReader args(context);
    const double effective = args.number(0);
    const double perYear = std::trunc(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    if (effective <= 0.0 || perYear < 1.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(perYear * growth(effective, 1.0 / perYear));
}

Value periodsToReach(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    const double pv = args.number(1);
    const double fv = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (rate <= 0.0 || pv <= 0.0 || fv <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum((std::log(fv) - std::log(pv)) / std::log1p(rate));
}

Value equivalentGrowthRate(const CallContext& context)
{
    ArgumentReader args(context);
    const double periods = args.number(0);
    const double pv = args.number(1);
    const double fv = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (periods <= 0.0 || pv == 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(std::pow(fv / pv, 1.0 / periods) - 1.0);
}

namespace {

// DOLLARDE and DOLLARFR read the digits after the point as a numerator
// over `fraction`, written with as many digits as the fraction has.
Value convertDollar(const CallContext& context, bool toDecimal)
{
    ArgumentReader args(context);
    const double dollar = args.number(0);
    const double fraction = std::trunc(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    if (fraction < 0.0) {
        return Value::error(ErrorCode::Num);
    }
    if (fraction == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    const double scale = std::pow(10.0, std::ceil(std::log10(fraction)));
    const double whole = std::trunc(dollar);
    const double part = dollar - whole;
    return numberOrNum(whole + (toDecimal ? part * scale / fraction : part * fraction / scale));
}

}  // namespace

Value dollarDecimal(const CallContext& context)
{
    return convertDollar(context, true);
}

Value dollarFraction(const CallContext& context)
{
    return convertDollar(context, false);
}

}  // namespace spreadsheet::functions
