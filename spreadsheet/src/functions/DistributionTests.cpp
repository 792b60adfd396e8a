#include "DistributionFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"
#include "DistributionLaws.h"
#include "DistributionSupport.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace spreadsheet::functions {

namespace {

using namespace distribution;
namespace sp = special;

// The numbers of a range or array argument, or the one value written there.
std::optional<ErrorCode> numbersOf(const CallContext& context, int i, std::vector<double>& out)
{
    if (context.isReference(i) || context.isArray(i)) {
        return context.forEachNumber(i, [&](double x) { out.push_back(x); });
    }
    double x = 0.0;
    ErrorCode code = ErrorCode::Value;
    if (!coerce::toNumber(context.scalar(i), x, code)) {
        return code;
    }
    out.push_back(x);
    return std::nullopt;
}

struct Sample {
    double n = 0.0;
    double mean = 0.0;
    double variance = 0.0;  // with n - 1 in the denominator
};

// Two passes, so that a large common offset costs no digits of the variance.
Sample describe(const std::vector<double>& xs)
{
    Sample s;
    s.n = static_cast<double>(xs.size());
    for (double x : xs) {
        s.mean += x;
    }
    s.mean /= s.n;
    double squares = 0.0;
    for (double x : xs) {
        squares += (x - s.mean) * (x - s.mean);
    }
    s.variance = squares / (s.n - 1.0);
    return s;
}

// The numbers of the first two arguments, at least two in each.
std::optional<ErrorCode> twoSamples(const CallContext& context, Sample& x, Sample& y)
{
    std::vector<double> xs;
    std::vector<double> ys;
    if (const auto error = numbersOf(context, 0, xs)) {
        return error;
    }
    if (const auto error = numbersOf(context, 1, ys)) {
        return error;
    }
    if (xs.size() < 2 || ys.size() < 2) {
        return ErrorCode::Div0;
    }
    x = describe(xs);
    y = describe(ys);
    return std::nullopt;
}

// The cells of a range or array argument in reading order, row by row, as
// far as the argument reaches; past the used part of a sheet they are empty.
class Items {
public:
    Items(const CallContext& context, int i)
        : block_(context.values(i)), rows_(context.rows(i)), columns_(context.columns(i))
    {
    }
    long long count() const { return static_cast<long long>(rows_) * columns_; }
    long long filled() const { return std::min(count(), static_cast<long long>(block_.rows()) * columns_); }
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    Value at(long long i) const
    {
        const int r = static_cast<int>(i / columns_);
        const int c = static_cast<int>(i % columns_);
        return r < block_.rows() && c < block_.columns() ? block_.at(r, c) : Value();
    }

private:
    ValueArray block_;
    int rows_;
    int columns_;
};

// Calls visit(a, b) for each position where both arguments hold numbers;
// the first error met in either is returned.
template <typename Visit>
std::optional<ErrorCode> forEachPair(const Items& a, const Items& b, Visit visit)
{
    const long long end = std::max(a.filled(), b.filled());
    for (long long i = 0; i < end; ++i) {
        const Value x = a.at(i);
        const Value y = b.at(i);
        if (x.isError() || y.isError()) {
            return x.isError() ? x.error() : y.error();
        }
        if (x.isNumber() && y.isNumber()) {
            visit(x.number(), y.number());
        }
    }
    return std::nullopt;
}

struct TStatistic {
    double t = 0.0;
    double df = 0.0;
};

std::optional<Value> pairedT(const CallContext& context, TStatistic& out)
{
    const Items a(context, 0);
    const Items b(context, 1);
    if (a.count() != b.count()) {
        return Value::error(ErrorCode::NA);
    }
    std::vector<double> differences;
    if (const auto error = forEachPair(a, b, [&](double x, double y) { differences.push_back(x - y); })) {
        return Value::error(*error);
    }
    if (differences.size() < 2) {
        return Value::error(ErrorCode::Div0);
    }
    const Sample d = describe(differences);
    out = {d.mean / std::sqrt(d.variance / d.n), d.n - 1.0};
    return std::nullopt;
}

// Two samples with a pooled variance (equal) or Welch's (unequal).
std::optional<Value> twoSampleT(const CallContext& context, bool equalVariances, TStatistic& out)
{
    Sample x;
    Sample y;
    if (const auto error = twoSamples(context, x, y)) {
        return Value::error(*error);
    }
    if (equalVariances) {
        const double df = x.n + y.n - 2.0;
        const double pooled = ((x.n - 1.0) * x.variance + (y.n - 1.0) * y.variance) / df;
        out = {(x.mean - y.mean) / std::sqrt(pooled * (1.0 / x.n + 1.0 / y.n)), df};
        return std::nullopt;
    }
    const double vx = x.variance / x.n;
    const double vy = y.variance / y.n;
    const double df = (vx + vy) * (vx + vy) / (vx * vx / (x.n - 1.0) + vy * vy / (y.n - 1.0));
    out = {(x.mean - y.mean) / std::sqrt(vx + vy), df};
    return std::nullopt;
}

}  // namespace

Value tTest(const CallContext& context)
{
    ArgumentReader args(context);
    const double tails = std::trunc(args.number(2));
    const double type = std::trunc(args.number(3));
    if (args.failed()) {
        return args.error();
    }
    if ((tails != 1.0 && tails != 2.0) || type < 1.0 || type > 3.0) {
        return num();
    }
    TStatistic s;
    if (auto error = type == 1.0 ? pairedT(context, s) : twoSampleT(context, type == 2.0, s)) {
        return *error;
    }
    if (!std::isfinite(s.t)) {
        return Value::error(ErrorCode::Div0);
    }
    return result(tails * sp::studentTails(std::fabs(s.t), s.df).upper);
}

// Two-tailed probability that the variances of both samples are not different.
Value fTest(const CallContext& context)
{
    Sample x;
    Sample y;
    if (const auto error = twoSamples(context, x, y)) {
        return Value::error(*error);
    }
    if (x.variance == 0.0 || y.variance == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    const sp::Tails t = sp::fisherTails(x.variance / y.variance, x.n - 1.0, y.n - 1.0);
    return result(2.0 * std::min(t.lower, t.upper));
}

Value chiSqTest(const CallContext& context)
{
    const Items actual(context, 0);
    const Items expected(context, 1);
    if (actual.rows() != expected.rows() || actual.columns() != expected.columns() || actual.count() == 1) {
        return Value::error(ErrorCode::NA);
    }
    double statistic = 0.0;
    std::optional<ErrorCode> bad;
    const auto error = forEachPair(actual, expected, [&](double a, double e) {
        if (e <= 0.0) {
            bad = bad ? bad : std::optional(e == 0.0 ? ErrorCode::Div0 : ErrorCode::Num);
            return;
        }
        statistic += (a - e) * (a - e) / e;
    });
    if (error || bad) {
        return Value::error(error ? *error : *bad);
    }
    // A single row or column loses one degree of freedom, a table one per row and per column.
    const double rows = actual.rows();
    const double columns = actual.columns();
    const double df = rows > 1.0 && columns > 1.0 ? (rows - 1.0) * (columns - 1.0) : std::max(rows, columns) - 1.0;
    return result(sp::gammaTails(statistic, df / 2.0, 2.0).upper);
}

Value zTest(const CallContext& context)
{
    std::vector<double> xs;
    if (const auto error = numbersOf(context, 0, xs)) {
        return Value::error(*error);
    }
    ArgumentReader args(context);
    const double mu = args.number(1);
    const bool hasSigma = args.isGiven(2);
    double sigma = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (xs.empty()) {
        return Value::error(ErrorCode::NA);
    }
    if (!hasSigma && xs.size() < 2) {
        return Value::error(ErrorCode::Div0);
    }
    const Sample s = describe(xs);
    sigma = hasSigma ? sigma : std::sqrt(s.variance);
    if (sigma <= 0.0) {
        return hasSigma ? num() : Value::error(ErrorCode::Div0);
    }
    return result(sp::normalTails((s.mean - mu) / (sigma / std::sqrt(s.n))).upper);
}

// The chance that a value drawn from the table lies between the limits.
Value prob(const CallContext& context)
{
    const Items values(context, 0);
    const Items chances(context, 1);
    ArgumentReader args(context);
    const double lower = args.number(2);
    const double upper = args.isGiven(3) ? args.number(3) : lower;
    if (args.failed()) {
        return args.error();
    }
    if (values.count() != chances.count()) {
        return Value::error(ErrorCode::NA);
    }
    double total = 0.0;
    double inside = 0.0;
    bool outOfRange = false;
    const auto error = forEachPair(values, chances, [&](double x, double p) {
        outOfRange = outOfRange || p <= 0.0 || p > 1.0;
        total += p;
        inside += x >= lower && x <= upper ? p : 0.0;
    });
    if (error) {
        return Value::error(*error);
    }
    if (outOfRange || std::fabs(total - 1.0) > 1e-12) {
        return num();
    }
    return result(inside);
}

}  // namespace spreadsheet::functions
