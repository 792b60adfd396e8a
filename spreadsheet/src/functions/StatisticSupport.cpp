#include "StatisticSupport.h"

#include "../Coercion.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace spreadsheet::functions::stat {

std::optional<ErrorCode> numbersOf(const CallContext& context, int i, Numbers& out)
{
    if (context.isReference(i) || context.isArray(i)) {
        return context.forEachNumber(i, [&](double x) { out.push_back(x); });
    }
    const Value v = context.scalar(i);
    if (context.isMissing(i) || v.isEmpty()) {
        return std::nullopt;
    }
    double number = 0.0;
    ErrorCode code = ErrorCode::Value;
    if (!coerce::toNumber(v, number, code)) {
        return code;
    }
    out.push_back(number);
    return std::nullopt;
}

std::optional<ErrorCode> numbersFrom(const CallContext& context, int first, Numbers& out)
{
    for (int i = first; i < context.count(); ++i) {
        if (const auto error = numbersOf(context, i, out)) {
            return error;
        }
    }
    return std::nullopt;
}

std::optional<ErrorCode> valuesA(const CallContext& context, Numbers& out)
{
    for (int i = 0; i < context.count(); ++i) {
        if (!context.isReference(i) && !context.isArray(i)) {
            if (const auto error = numbersOf(context, i, out)) {
                return error;
            }
            continue;
        }
        std::optional<ErrorCode> error;
        context.forEachCell(i, [&](int, int, const Value& v) {
            if (error || v.isEmpty()) {
                return;
            }
            if (v.isError()) {
                error = v.error();
            } else if (v.isNumber() || v.isBoolean()) {
                out.push_back(v.number());
            } else if (context.isReference(i)) {
                out.push_back(0.0);  // referenced text counts as 0; text in an array is skipped
            }
        });
        if (error) {
            return error;
        }
    }
    return std::nullopt;
}

double mean(const Numbers& x)
{
    double total = 0.0;
    for (const double v : x) {
        total += v;
    }
    return x.empty() ? 0.0 : total / static_cast<double>(x.size());
}

double sumOfSquaredDeviations(const Numbers& x)
{
    const double m = mean(x);
    double total = 0.0;
    for (const double v : x) {
        total += (v - m) * (v - m);
    }
    return total;
}

Value variance(const Numbers& x, bool sample)
{
    const double n = static_cast<double>(x.size()) - (sample ? 1.0 : 0.0);
    if (n < 1.0) {
        return Value::error(ErrorCode::Div0);
    }
    return Value(sumOfSquaredDeviations(x) / n);
}

Value deviation(const Numbers& x, bool sample)
{
    const Value v = variance(x, sample);
    return v.isError() ? v : Value(std::sqrt(v.number()));
}

Value median(Numbers x)
{
    if (x.empty()) {
        return Value::error(ErrorCode::Num);
    }
    const std::size_t half = x.size() / 2;
    std::nth_element(x.begin(), x.begin() + std::ptrdiff_t(half), x.end());
    const double upper = x[half];
    if (x.size() % 2 == 1) {
        return Value(upper);
    }
    const double lower = *std::max_element(x.begin(), x.begin() + std::ptrdiff_t(half));
    return Value((lower + upper) / 2.0);
}

Value mostFrequent(const Numbers& x)
{
    std::map<double, int> counts;
    for (const double v : x) {
        ++counts[v];
    }
    int best = 1;
    std::optional<double> mode;
    for (const double v : x) {
        if (counts[v] > best) {
            best = counts[v];
            mode = v;
        }
    }
    return mode ? Value(*mode) : Value::error(ErrorCode::NA);
}

Value kth(Numbers x, double k, bool largest)
{
    const double rank = std::ceil(k);
    if (rank < 1.0 || rank > static_cast<double>(x.size())) {
        return Value::error(ErrorCode::Num);
    }
    const auto at = static_cast<std::size_t>(rank) - 1;
    if (largest) {
        std::nth_element(x.begin(), x.begin() + std::ptrdiff_t(at), x.end(), std::greater<>());
    } else {
        std::nth_element(x.begin(), x.begin() + std::ptrdiff_t(at), x.end());
    }
    return Value(x[at]);
}

namespace {

// The value at a position counted from 0 along the sorted numbers, between
// two neighbours by straight-line interpolation.
double interpolate(const Numbers& sorted, double position)
{
    const double whole = std::floor(position);
    const auto i = static_cast<std::size_t>(whole);
    if (i + 1 >= sorted.size()) {
        return sorted.back();
    }
    return sorted[i] + (position - whole) * (sorted[i + 1] - sorted[i]);
}

}  // namespace

Value percentileInclusive(Numbers x, double p)
{
    if (x.empty() || p < 0.0 || p > 1.0) {
        return Value::error(ErrorCode::Num);
    }
    std::sort(x.begin(), x.end());
    return Value(interpolate(x, p * static_cast<double>(x.size() - 1)));
}

Value percentileExclusive(Numbers x, double p)
{
    const double n = static_cast<double>(x.size());
    const double position = p * (n + 1.0);
    if (x.empty() || p <= 0.0 || p >= 1.0 || position < 1.0 || position > n) {
        return Value::error(ErrorCode::Num);
    }
    std::sort(x.begin(), x.end());
    return Value(interpolate(x, position - 1.0));
}

Value quartile(Numbers x, double quart, bool exclusive)
{
    const double q = std::trunc(quart);
    if (q < (exclusive ? 1.0 : 0.0) || q > (exclusive ? 3.0 : 4.0)) {
        return Value::error(ErrorCode::Num);
    }
    return exclusive ? percentileExclusive(std::move(x), q / 4.0) : percentileInclusive(std::move(x), q / 4.0);
}

Value product(const Numbers& x)
{
    double result = x.empty() ? 0.0 : 1.0;
    for (const double v : x) {
        result *= v;
    }
    return Value(result);
}

Value sum(const Numbers& x)
{
    double total = 0.0;
    for (const double v : x) {
        total += v;
    }
    return Value(total);
}

Value summarize(int code, const Numbers& x, double countA)
{
    switch (code) {
    case 1:
        return x.empty() ? Value::error(ErrorCode::Div0) : Value(mean(x));
    case 2:
        return Value(static_cast<double>(x.size()));
    case 3:
        return Value(countA);
    case 4:
        return Value(x.empty() ? 0.0 : *std::max_element(x.begin(), x.end()));
    case 5:
        return Value(x.empty() ? 0.0 : *std::min_element(x.begin(), x.end()));
    case 6:
        return product(x);
    case 7:
        return deviation(x, true);
    case 8:
        return deviation(x, false);
    case 9:
        return sum(x);
    case 10:
        return variance(x, true);
    case 11:
        return variance(x, false);
    case 12:
        return median(x);
    case 13:
        return mostFrequent(x);
    default:
        return Value::error(ErrorCode::Value);
    }
}

Value summarizeWith(int code, const Numbers& x, double k)
{
    switch (code) {
    case 14:
        return kth(x, k, true);
    case 15:
        return kth(x, k, false);
    case 16:
        return percentileInclusive(x, k);
    case 17:
        return quartile(x, k, false);
    case 18:
        return percentileExclusive(x, k);
    case 19:
        return quartile(x, k, true);
    default:
        return Value::error(ErrorCode::Value);
    }
}

}  // namespace spreadsheet::functions::stat
