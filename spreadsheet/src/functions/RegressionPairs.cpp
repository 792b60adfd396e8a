#include "RegressionFunctions.h"

#include "ArgumentReader.h"
#include "CallContext.h"

#include <cmath>
#include <optional>

namespace spreadsheet::functions {

namespace {

// Sums over the pairs where both samples hold numbers, about their means.
struct Pairs {
    double n = 0.0;
    double meanX = 0.0;
    double meanY = 0.0;
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
};

Value elementAt(const ValueArray& block, int columns, int k)
{
    const int row = k / columns;
    const int column = k % columns;
    return row < block.rows() && column < block.columns() ? block.at(row, column) : Value();
}

// Reads the samples of arguments xArg and yArg; #N/A when their sizes differ.
std::optional<Pairs> readPairs(const CallContext& context, int xArg, int yArg, Value& failure)
{
    const int size = context.rows(xArg) * context.columns(xArg);
    if (size != context.rows(yArg) * context.columns(yArg)) {
        failure = Value::error(ErrorCode::NA);
        return std::nullopt;
    }
    const ValueArray xs = context.values(xArg);
    const ValueArray ys = context.values(yArg);
    std::vector<std::pair<double, double>> points;
    for (int k = 0; k < size; ++k) {
        const Value x = elementAt(xs, context.columns(xArg), k);
        const Value y = elementAt(ys, context.columns(yArg), k);
        if (x.isError() || y.isError()) {
            failure = x.isError() ? x : y;
            return std::nullopt;
        }
        if (x.isNumber() && y.isNumber()) {
            points.emplace_back(x.number(), y.number());
        }
    }
    Pairs p;
    p.n = static_cast<double>(points.size());
    for (const auto& [x, y] : points) {
        p.meanX += x / p.n;
        p.meanY += y / p.n;
    }
    for (const auto& [x, y] : points) {
        p.sxx += (x - p.meanX) * (x - p.meanX);
        p.syy += (y - p.meanY) * (y - p.meanY);
        p.sxy += (x - p.meanX) * (y - p.meanY);
    }
    return p;
}

template <typename F>
Value overPairs(const CallContext& context, int xArg, int yArg, F f)
{
    Value failure;
    const auto pairs = readPairs(context, xArg, yArg, failure);
    return pairs ? f(*pairs) : failure;
}

Value correlation(const Pairs& p)
{
    const double d = std::sqrt(p.sxx * p.syy);
    return p.n == 0.0 || d == 0.0 ? Value::error(ErrorCode::Div0) : Value(p.sxy / d);
}

Value slopeOf(const Pairs& p)
{
    return p.n == 0.0 || p.sxx == 0.0 ? Value::error(ErrorCode::Div0) : Value(p.sxy / p.sxx);
}

}  // namespace

Value correl(const CallContext& context)
{
    return overPairs(context, 0, 1, correlation);
}

Value rsq(const CallContext& context)
{
    return overPairs(context, 1, 0, [](const Pairs& p) {
        const Value r = correlation(p);
        return r.isError() ? r : Value(r.number() * r.number());
    });
}

// SLOPE, INTERCEPT, STEYX and FORECAST take the y's first.
Value slope(const CallContext& context)
{
    return overPairs(context, 1, 0, slopeOf);
}

Value intercept(const CallContext& context)
{
    return overPairs(context, 1, 0, [](const Pairs& p) {
        const Value m = slopeOf(p);
        return m.isError() ? m : Value(p.meanY - m.number() * p.meanX);
    });
}

Value steyx(const CallContext& context)
{
    return overPairs(context, 1, 0, [](const Pairs& p) {
        if (p.n < 3.0 || p.sxx == 0.0) {
            return Value::error(ErrorCode::Div0);
        }
        return Value(std::sqrt(std::max(0.0, p.syy - p.sxy * p.sxy / p.sxx) / (p.n - 2.0)));
    });
}

Value covarianceP(const CallContext& context)
{
    return overPairs(context, 0, 1, [](const Pairs& p) { return p.n == 0.0 ? Value::error(ErrorCode::Div0) : Value(p.sxy / p.n); });
}

Value covarianceS(const CallContext& context)
{
    return overPairs(context, 0, 1, [](const Pairs& p) { return p.n < 2.0 ? Value::error(ErrorCode::Div0) : Value(p.sxy / (p.n - 1.0)); });
}

Value forecast(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return overPairs(context, 2, 1, [x](const Pairs& p) {
        const Value m = slopeOf(p);
        return m.isError() ? m : Value(p.meanY + m.number() * (x - p.meanX));
    });
}

}  // namespace spreadsheet::functions
