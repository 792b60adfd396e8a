#include "RegressionFunctions.h"

#include "ArgumentReader.h"
#include "CallContext.h"

#include <cmath>
#include <optional>
#include <vector>

namespace spreadsheet::functions {

namespace {

// The observations of a regression: y and, per observation, k x's.
struct Design {
    std::vector<double> y;
    std::vector<std::vector<double>> x;  // x[observation][variable]
    int k = 1;
    bool yIsRow = false;
};

std::optional<std::vector<double>> numbersIn(const ValueArray& block, Value& failure)
{
    std::vector<double> out;
    for (const Value& v : block.items()) {
        if (!v.isNumber()) {
            failure = v.isError() ? v : Value::error(ErrorCode::Value);
            return std::nullopt;
        }
        out.push_back(v.number());
    }
    return out;
}

// The known x's as given, against the y's: the same count for one variable,
// or one column (row) per variable beside a column (row) of y's.
std::optional<Design> readDesign(const CallContext& context, bool logarithmic, Value& failure)
{
    Design d;
    const ValueArray ys = context.values(0);
    auto y = numbersIn(ys, failure);
    if (!y) {
        return std::nullopt;
    }
    d.y = *y;
    const std::size_t n = d.y.size();
    d.yIsRow = ys.rows() == 1 && ys.columns() > 1;
    if (context.isMissing(1)) {
        for (std::size_t i = 0; i < n; ++i) {
            d.x.push_back({static_cast<double>(i + 1)});
        }
    } else {
        const ValueArray xs = context.values(1);
        const auto x = numbersIn(xs, failure);
        if (!x) {
            return std::nullopt;
        }
        if (x->size() == n) {
            for (const double v : *x) {
                d.x.push_back({v});
            }
        } else if (!d.yIsRow && xs.rows() == int(n) && ys.columns() == 1) {
            d.k = xs.columns();
            for (int r = 0; r < xs.rows(); ++r) {
                d.x.emplace_back(x->begin() + std::ptrdiff_t(r) * d.k, x->begin() + std::ptrdiff_t(r + 1) * d.k);
            }
        } else if (d.yIsRow && xs.columns() == int(n)) {
            d.k = xs.rows();
            for (int c = 0; c < xs.columns(); ++c) {
                std::vector<double> row;
                for (int r = 0; r < xs.rows(); ++r) {
                    row.push_back(xs.at(r, c).number());
                }
                d.x.push_back(std::move(row));
            }
        } else {
            failure = Value::error(ErrorCode::Ref);
            return std::nullopt;
        }
    }
    if (logarithmic) {
        for (double& v : d.y) {
            if (v <= 0.0) {
                failure = Value::error(ErrorCode::Num);
                return std::nullopt;
            }
            v = std::log(v);
        }
    }
    return d;
}

// Inverts a p x p cross-product matrix in place by sweeping its variables
// in order. A variable that the ones before it already explain (its
// remaining diagonal vanishes) is dropped, as Excel drops collinear x's: its
// row and column stay 0, so its slope and standard error come out 0.
int sweep(std::vector<double>& a, int p)
{
    const auto at = [&a, p](int r, int c) -> double& { return a[std::size_t(r * p + c)]; };
    std::vector<double> scale(static_cast<std::size_t>(p));
    for (int i = 0; i < p; ++i) {
        scale[std::size_t(i)] = at(i, i);
    }
    int kept = 0;
    for (int k = 0; k < p; ++k) {
        const double d = at(k, k);
        if (!(d > 1e-12 * scale[std::size_t(k)])) {
            for (int i = 0; i < p; ++i) {
                at(i, k) = 0.0;
                at(k, i) = 0.0;
            }
            continue;
        }
        ++kept;
        for (int c = 0; c < p; ++c) {
            at(k, c) /= d;
        }
        for (int r = 0; r < p; ++r) {
            const double b = at(r, k);
            if (r == k || b == 0.0) {
                continue;
            }
            for (int c = 0; c < p; ++c) {
                at(r, c) -= b * at(k, c);
            }
            at(r, k) = -b / d;
        }
        at(k, k) = 1.0 / d;
    }
    return kept;
}

// A least-squares fit; with a constant the x's and y's are centred first,
// which keeps sums of large x's (years, dates) accurate.
struct Fit {
    std::vector<double> slopes;  // one per variable, in the order given
    double intercept = 0.0;
    std::vector<double> inverse;  // of the (centred) cross-product matrix
    std::vector<double> meanX;
    double ssResid = 0.0;
    double ssReg = 0.0;
    double df = 0.0;
    double n = 0.0;
};

std::optional<Fit> fit(const Design& d, bool constant)
{
    Fit f;
    const int k = d.k;
    const std::size_t n = d.y.size();
    f.n = static_cast<double>(n);
    f.meanX.assign(std::size_t(k), 0.0);
    double meanY = 0.0;
    if (constant) {
        for (std::size_t i = 0; i < n; ++i) {
            meanY += d.y[i] / f.n;
            for (int j = 0; j < k; ++j) {
                f.meanX[std::size_t(j)] += d.x[i][std::size_t(j)] / f.n;
            }
        }
    }
    std::vector<double> a(std::size_t(k * k), 0.0);
    std::vector<double> b(std::size_t(k), 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        for (int r = 0; r < k; ++r) {
            const double xr = d.x[i][std::size_t(r)] - f.meanX[std::size_t(r)];
            b[std::size_t(r)] += xr * (d.y[i] - meanY);
            for (int c = 0; c < k; ++c) {
                a[std::size_t(r * k + c)] += xr * (d.x[i][std::size_t(c)] - f.meanX[std::size_t(c)]);
            }
        }
    }
    const int kept = sweep(a, k);
    if (kept == 0 && n > 0) {
        return std::nullopt;
    }
    f.inverse = a;
    f.slopes.assign(std::size_t(k), 0.0);
    for (int r = 0; r < k; ++r) {
        for (int c = 0; c < k; ++c) {
            f.slopes[std::size_t(r)] += a[std::size_t(r * k + c)] * b[std::size_t(c)];
        }
    }
    f.intercept = meanY;
    for (int j = 0; j < k; ++j) {
        f.intercept -= f.slopes[std::size_t(j)] * f.meanX[std::size_t(j)];
    }
    for (std::size_t i = 0; i < n; ++i) {
        double predicted = f.intercept;
        for (int j = 0; j < k; ++j) {
            predicted += f.slopes[std::size_t(j)] * d.x[i][std::size_t(j)];
        }
        f.ssResid += (d.y[i] - predicted) * (d.y[i] - predicted);
        f.ssReg += (predicted - meanY) * (predicted - meanY);
    }
    f.df = f.n - kept - (constant ? 1.0 : 0.0);
    return f;
}

Value numberOrNum(double x, bool valid)
{
    return valid && std::isfinite(x) ? Value(x) : Value::error(ErrorCode::Num);
}

// LINEST's block: slopes from the last variable to the first, then the
// constant; with statistics, four more rows under it.
Value linestResult(const Fit& f, bool constant, bool stats, bool exponential)
{
    const int k = static_cast<int>(f.slopes.size());
    const int columns = k + 1;
    ValueArray out(stats ? 5 : 1, columns);
    const auto shown = [exponential](double v) { return Value(exponential ? std::exp(v) : v); };
    for (int j = 0; j < k; ++j) {
        out.at(0, j) = shown(f.slopes[std::size_t(k - 1 - j)]);
    }
    out.at(0, k) = shown(constant ? f.intercept : 0.0);
    if (!stats) {
        return Value::array(std::move(out));
    }
    for (int r = 2; r < 5; ++r) {
        for (int c = 2; c < columns; ++c) {
            out.at(r, c) = Value::error(ErrorCode::NA);
        }
    }
    const double variance = f.df > 0.0 ? f.ssResid / f.df : NAN;
    for (int j = 0; j < k; ++j) {
        const double cjj = f.inverse[std::size_t((k - 1 - j) * k + (k - 1 - j))];
        out.at(1, j) = numberOrNum(std::sqrt(variance * cjj), f.df > 0.0);
    }
    double cb = 1.0 / f.n;
    for (int r = 0; r < k; ++r) {
        for (int c = 0; c < k; ++c) {
            cb += f.meanX[std::size_t(r)] * f.inverse[std::size_t(r * k + c)] * f.meanX[std::size_t(c)];
        }
    }
    out.at(1, k) = constant ? numberOrNum(std::sqrt(variance * cb), f.df > 0.0) : Value::error(ErrorCode::NA);
    const double total = f.ssReg + f.ssResid;
    out.at(2, 0) = numberOrNum(f.ssReg / total, total > 0.0);
    out.at(2, 1) = numberOrNum(std::sqrt(variance), f.df > 0.0);
    out.at(3, 0) = numberOrNum(f.ssReg / k / variance, f.df > 0.0 && f.ssResid > 0.0);
    out.at(3, 1) = Value(f.df);
    out.at(4, 0) = Value(f.ssReg);
    out.at(4, 1) = Value(f.ssResid);
    return Value::array(std::move(out));
}

// Without a constant the fit goes through the origin: sums are taken about
// zero, and the regression sum of squares is that of the predictions.
std::optional<Fit> fitFor(const Design& d, bool constant)
{
    auto f = fit(d, constant);
    if (f && !constant) {
        double ssTotal = 0.0;
        for (const double y : d.y) {
            ssTotal += y * y;
        }
        f->ssReg = ssTotal - f->ssResid;
    }
    return f;
}

Value estimate(const CallContext& context, bool exponential)
{
    ArgumentReader args(context);
    const bool constant = args.boolean(2, true);
    const bool stats = args.boolean(3, false);
    if (args.failed()) {
        return args.error();
    }
    Value failure;
    const auto design = readDesign(context, exponential, failure);
    if (!design) {
        return failure;
    }
    const auto f = fitFor(*design, constant);
    return f ? linestResult(*f, constant, stats, exponential) : Value::error(ErrorCode::Num);
}

// 1, 2, 3... laid out as the y's are.
ValueArray defaultX(const Design& d)
{
    const int n = static_cast<int>(d.y.size());
    ValueArray xs = d.yIsRow ? ValueArray(1, n) : ValueArray(n, 1);
    for (int i = 0; i < n; ++i) {
        xs.items()[std::size_t(i)] = Value(double(i + 1));
    }
    return xs;
}

// TREND's new x's: one prediction per element for one variable, or per row
// (column) of k values beside a column (row) of y's.
Value predict(const CallContext& context, bool exponential)
{
    ArgumentReader args(context);
    const bool constant = args.boolean(3, true);
    if (args.failed()) {
        return args.error();
    }
    Value failure;
    const auto design = readDesign(context, exponential, failure);
    if (!design) {
        return failure;
    }
    const auto f = fitFor(*design, constant);
    if (!f) {
        return Value::error(ErrorCode::Num);
    }
    const int newArg = context.isMissing(2) ? 1 : 2;
    ValueArray xs = context.isMissing(newArg) ? defaultX(*design) : context.values(newArg);
    const auto value = [&](const std::vector<double>& x) {
        double y = f->intercept;
        for (std::size_t j = 0; j < x.size(); ++j) {
            y += f->slopes[j] * x[j];
        }
        return Value(exponential ? std::exp(y) : y);
    };
    const int k = design->k;
    const bool byRow = !design->yIsRow;
    const int rows = k == 1 ? xs.rows() : (byRow ? xs.rows() : 1);
    const int columns = k == 1 ? xs.columns() : (byRow ? 1 : xs.columns());
    if (k > 1 && (byRow ? xs.columns() : xs.rows()) != k) {
        return Value::error(ErrorCode::Ref);
    }
    std::vector<Value> items;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            std::vector<double> x;
            for (int j = 0; j < k; ++j) {
                const Value& v = k == 1 ? xs.at(r, c) : (byRow ? xs.at(r, j) : xs.at(j, c));
                if (!v.isNumber()) {
                    return v.isError() ? v : Value::error(ErrorCode::Value);
                }
                x.push_back(v.number());
            }
            items.push_back(value(x));
        }
    }
    return Value::array(ValueArray(rows, columns, std::move(items)));
}

}  // namespace

Value linest(const CallContext& context)
{
    return estimate(context, false);
}

Value logest(const CallContext& context)
{
    return estimate(context, true);
}

Value trend(const CallContext& context)
{
    return predict(context, false);
}

Value growth(const CallContext& context)
{
    return predict(context, true);
}

}  // namespace spreadsheet::functions
