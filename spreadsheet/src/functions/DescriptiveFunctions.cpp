#include "DescriptiveFunctions.h"

#include "ArgumentReader.h"
#include "StatisticSupport.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::functions {

namespace {

using stat::Numbers;

// Reads every argument as SUM does, or with AVERAGEA's rules, then applies f.
template <typename F>
Value overNumbers(const CallContext& context, F f)
{
    Numbers x;
    if (const auto error = stat::numbersFrom(context, 0, x)) {
        return Value::error(*error);
    }
    return f(x);
}

template <typename F>
Value overValuesA(const CallContext& context, F f)
{
    Numbers x;
    if (const auto error = stat::valuesA(context, x)) {
        return Value::error(*error);
    }
    return f(x);
}

// The sum of ((x - mean) / s)^power, with s the sample or population deviation.
Value standardMoment(const Numbers& x, int power, bool sample)
{
    const Value s = stat::deviation(x, sample);
    if (s.isError() || s.number() == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    const double m = stat::mean(x);
    double total = 0.0;
    for (const double v : x) {
        total += std::pow((v - m) / s.number(), power);
    }
    return Value(total);
}

}  // namespace

Value stdevS(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) { return stat::deviation(x, true); });
}

Value stdevP(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) { return stat::deviation(x, false); });
}

Value varS(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) { return stat::variance(x, true); });
}

Value varP(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) { return stat::variance(x, false); });
}

Value stdevA(const CallContext& context)
{
    return overValuesA(context, [](const Numbers& x) { return stat::deviation(x, true); });
}

Value stdevPA(const CallContext& context)
{
    return overValuesA(context, [](const Numbers& x) { return stat::deviation(x, false); });
}

Value varA(const CallContext& context)
{
    return overValuesA(context, [](const Numbers& x) { return stat::variance(x, true); });
}

Value varPA(const CallContext& context)
{
    return overValuesA(context, [](const Numbers& x) { return stat::variance(x, false); });
}

Value averageA(const CallContext& context)
{
    return overValuesA(context, [](const Numbers& x) { return x.empty() ? Value::error(ErrorCode::Div0) : Value(stat::mean(x)); });
}

Value maxA(const CallContext& context)
{
    return overValuesA(context, [](const Numbers& x) { return stat::summarize(4, x, 0); });
}

Value minA(const CallContext& context)
{
    return overValuesA(context, [](const Numbers& x) { return stat::summarize(5, x, 0); });
}

Value aveDev(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) {
        if (x.empty()) {
            return Value::error(ErrorCode::Num);
        }
        const double m = stat::mean(x);
        double total = 0.0;
        for (const double v : x) {
            total += std::abs(v - m);
        }
        return Value(total / static_cast<double>(x.size()));
    });
}

Value devSq(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) {
        return x.empty() ? Value::error(ErrorCode::Num) : Value(stat::sumOfSquaredDeviations(x));
    });
}

Value geoMean(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) {
        double logs = 0.0;
        for (const double v : x) {
            if (v <= 0.0) {
                return Value::error(ErrorCode::Num);
            }
            logs += std::log(v);
        }
        return x.empty() ? Value::error(ErrorCode::Num) : Value(std::exp(logs / static_cast<double>(x.size())));
    });
}

Value harMean(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) {
        double inverses = 0.0;
        for (const double v : x) {
            if (v <= 0.0) {
                return Value::error(ErrorCode::Num);
            }
            inverses += 1.0 / v;
        }
        return x.empty() ? Value::error(ErrorCode::Num) : Value(static_cast<double>(x.size()) / inverses);
    });
}

Value kurt(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) {
        const double n = static_cast<double>(x.size());
        if (n < 4.0) {
            return Value::error(ErrorCode::Div0);
        }
        const Value m4 = standardMoment(x, 4, true);
        if (m4.isError()) {
            return m4;
        }
        const double scale = n * (n + 1.0) / ((n - 1.0) * (n - 2.0) * (n - 3.0));
        return Value(scale * m4.number() - 3.0 * (n - 1.0) * (n - 1.0) / ((n - 2.0) * (n - 3.0)));
    });
}

Value skew(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) {
        const double n = static_cast<double>(x.size());
        if (n < 3.0) {
            return Value::error(ErrorCode::Div0);
        }
        const Value m3 = standardMoment(x, 3, true);
        return m3.isError() ? m3 : Value(n / ((n - 1.0) * (n - 2.0)) * m3.number());
    });
}

Value skewP(const CallContext& context)
{
    return overNumbers(context, [](const Numbers& x) {
        const Value m3 = standardMoment(x, 3, false);
        return m3.isError() ? m3 : Value(m3.number() / static_cast<double>(x.size()));
    });
}

Value standardize(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double m = args.number(1);
    const double s = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    return s <= 0.0 ? Value::error(ErrorCode::Num) : Value((x - m) / s);
}

Value permut(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const double k = std::trunc(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    if (n <= 0.0 || k < 0.0 || n < k) {
        return Value::error(ErrorCode::Num);
    }
    double result = 1.0;
    for (double i = n - k + 1.0; i <= n && std::isfinite(result); i += 1.0) {
        result *= i;
    }
    return Value(result);
}

Value permutationA(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const double k = std::trunc(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    return n < 0.0 || k < 0.0 ? Value::error(ErrorCode::Num) : Value(std::pow(n, k));
}

}  // namespace spreadsheet::functions
