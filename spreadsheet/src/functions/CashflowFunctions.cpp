#include "FinancialFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"
#include "Results.h"

#include <cmath>
#include <optional>
#include <vector>

namespace spreadsheet::functions {

namespace {

constexpr double kDaysPerYear = 365.0;

// The numbers of argument i: a range or an array gives the numbers it
// holds (text, booleans and empty cells skipped); a value written in the
// call is converted, and left out when empty.
std::optional<ErrorCode> collectNumbers(const CallContext& context, int i, std::vector<double>& out)
{
    if (context.isReference(i) || context.isArray(i)) {
        return context.forEachNumber(i, [&](double x) { out.push_back(x); });
    }
    const Value v = context.scalar(i);
    if (context.isMissing(i) || v.isEmpty()) {
        return std::nullopt;
    }
    double x = 0.0;
    ErrorCode code = ErrorCode::Value;
    if (!coerce::toNumber(v, x, code)) {
        return code;
    }
    out.push_back(x);
    return std::nullopt;
}

// Every element of a range or array argument as a number: an error stops
// with itself, anything that is no number (an empty cell too) is #VALUE!.
std::optional<ErrorCode> strictNumbers(const CallContext& context, int i, std::vector<double>& out)
{
    const ValueArray block = context.values(i);
    for (const Value& v : block.items()) {
        if (v.isError()) {
            return v.error();
        }
        if (!v.isNumber()) {
            return ErrorCode::Value;
        }
        out.push_back(v.number());
    }
    return std::nullopt;
}

bool hasBothSigns(const std::vector<double>& values)
{
    bool positive = false;
    bool negative = false;
    for (double v : values) {
        positive = positive || v > 0.0;
        negative = negative || v < 0.0;
    }
    return positive && negative;
}

// Cash flows at times given in periods (IRR) or in years (XIRR), the first
// at time 0: their present value and its derivative in the rate.
struct Flows {
    std::vector<double> amounts;
    std::vector<double> times;

    double value(double rate) const
    {
        double sum = 0.0;
        for (std::size_t k = 0; k < amounts.size(); ++k) {
            sum += amounts[k] / std::pow(1.0 + rate, times[k]);
        }
        return sum;
    }
    double slope(double rate) const
    {
        double sum = 0.0;
        for (std::size_t k = 0; k < amounts.size(); ++k) {
            sum -= times[k] * amounts[k] / std::pow(1.0 + rate, times[k] + 1.0);
        }
        return sum;
    }
};

// Newton's method from the guess; the rate must stay above -100 %.
Value solveRate(const Flows& flows, double guess, int iterations, double tolerance)
{
    double r = guess;
    for (int i = 0; i < iterations; ++i) {
        const double slope = flows.slope(r);
        if (slope == 0.0 || !std::isfinite(slope)) {
            break;
        }
        const double next = r - flows.value(r) / slope;
        if (!std::isfinite(next) || next <= -1.0) {
            break;
        }
        if (std::fabs(next - r) < tolerance) {
            return Value(next);
        }
        r = next;
    }
    return Value::error(ErrorCode::Num);
}

// Amounts and dates of XNPV and XIRR: as many dates as amounts, none
// before the first. Times are in years of 365 days from the first date.
std::optional<ErrorCode> readDatedFlows(const CallContext& context, int first, Flows& flows)
{
    std::vector<double> dates;
    if (auto e = strictNumbers(context, first, flows.amounts)) {
        return e;
    }
    if (auto e = strictNumbers(context, first + 1, dates)) {
        return e;
    }
    if (dates.size() != flows.amounts.size() || dates.empty()) {
        return ErrorCode::Num;
    }
    const double start = std::floor(dates.front());
    for (double d : dates) {
        const double day = std::floor(d);
        if (day < 0.0) {
            return ErrorCode::Value;
        }
        if (day < start) {
            return ErrorCode::Num;
        }
        flows.times.push_back((day - start) / kDaysPerYear);
    }
    return std::nullopt;
}

}  // namespace

// Values are discounted from the end of the first period on.
Value netPresentValue(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    if (rate == -1.0) {
        return Value::error(ErrorCode::Div0);
    }
    std::vector<double> values;
    for (int i = 1; i < context.count(); ++i) {
        if (auto e = collectNumbers(context, i, values)) {
            return Value::error(*e);
        }
    }
    double sum = 0.0;
    double discount = 1.0;
    for (double v : values) {
        discount *= 1.0 + rate;
        sum += v / discount;
    }
    return numberOrNum(sum);
}

Value datedNetPresentValue(const CallContext& context)
{
    ArgumentReader args(context);
    const double rate = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    if (rate <= -1.0) {
        return Value::error(ErrorCode::Num);
    }
    Flows flows;
    if (auto e = readDatedFlows(context, 1, flows)) {
        return Value::error(*e);
    }
    return numberOrNum(flows.value(rate));
}

Value internalRateOfReturn(const CallContext& context)
{
    ArgumentReader args(context);
    const double guess = context.isMissing(1) ? 0.1 : args.number(1);
    if (args.failed()) {
        return args.error();
    }
    Flows flows;
    if (auto e = collectNumbers(context, 0, flows.amounts)) {
        return Value::error(*e);
    }
    if (!hasBothSigns(flows.amounts)) {
        return Value::error(ErrorCode::Num);
    }
    for (std::size_t k = 0; k < flows.amounts.size(); ++k) {
        flows.times.push_back(static_cast<double>(k));
    }
    return solveRate(flows, guess, 20, 1e-7);
}

Value datedInternalRateOfReturn(const CallContext& context)
{
    ArgumentReader args(context);
    const double guess = context.isMissing(2) ? 0.1 : args.number(2);
    if (args.failed()) {
        return args.error();
    }
    Flows flows;
    if (auto e = readDatedFlows(context, 0, flows)) {
        return Value::error(*e);
    }
    if (!hasBothSigns(flows.amounts)) {
        return Value::error(ErrorCode::Num);
    }
    return solveRate(flows, guess, 100, 1e-8);
}

// Outflows are financed at one rate and brought to the start, inflows are
// reinvested at another and carried to the end.
Value modifiedInternalRateOfReturn(const CallContext& context)
{
    ArgumentReader args(context);
    const double financeRate = args.number(1);
    const double reinvestRate = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    std::vector<double> values;
    if (auto e = collectNumbers(context, 0, values)) {
        return Value::error(*e);
    }
    const double n = static_cast<double>(values.size());
    double outflows = 0.0;
    double inflows = 0.0;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (values[k] < 0.0) {
            outflows += values[k] / std::pow(1.0 + financeRate, static_cast<double>(k));
        } else {
            inflows += values[k] * std::pow(1.0 + reinvestRate, n - 1.0 - static_cast<double>(k));
        }
    }
    if (outflows == 0.0 || inflows == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    return numberOrNum(std::pow(-inflows / outflows, 1.0 / (n - 1.0)) - 1.0);
}

// Blank cells of the schedule are periods without interest.
Value futureValueSchedule(const CallContext& context)
{
    ArgumentReader args(context);
    double value = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    const ValueArray schedule = context.values(1);
    for (const Value& v : schedule.items()) {
        if (v.isError()) {
            return v;
        }
        if (v.isNumber()) {
            value *= 1.0 + v.number();
        } else if (!v.isEmpty()) {
            return Value::error(ErrorCode::Value);
        }
    }
    return numberOrNum(value);
}

}  // namespace spreadsheet::functions
