#include "MathFunctions.h"

#include "ArgumentReader.h"
#include "NumericArguments.h"
#include "Results.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

// Element `index` of an argument read row by row, `columns` wide as written;
// a reference's block may be cut short, and what lies past it is empty.
const Value& elementAt(const ValueArray& block, int columns, long long index)
{
    static const Value empty;
    const auto row = static_cast<int>(index / columns);
    const auto column = static_cast<int>(index % columns);
    return row < block.rows() && column < block.columns() ? block.at(row, column) : empty;
}

// Sums term(x, y) over the pairs of numbers at the same place of both
// arguments; pairs where either is not a number are left out. Arguments
// of different sizes give #N/A.
template <typename Term>
Value sumOfPairs(const CallContext& context, Term&& term)
{
    const long long count = static_cast<long long>(context.rows(0)) * context.columns(0);
    if (count != static_cast<long long>(context.rows(1)) * context.columns(1)) {
        return Value::error(ErrorCode::NA);
    }
    const ValueArray xs = context.values(0);
    const ValueArray ys = context.values(1);
    double sum = 0.0;
    for (long long i = 0; i < count; ++i) {
        const Value& x = elementAt(xs, context.columns(0), i);
        const Value& y = elementAt(ys, context.columns(1), i);
        if (x.isError() || y.isError()) {
            return Value::error(x.isError() ? x.error() : y.error());
        }
        if (x.isNumber() && y.isNumber()) {
            sum += term(x.number(), y.number());
        }
    }
    return numberOrNum(sum);
}

}  // namespace

Value sumOfSquares(const CallContext& context)
{
    double sum = 0.0;
    const auto error = NumericArguments::forEach(context, [&](double x) { sum += x * x; });
    return error ? Value::error(*error) : numberOrNum(sum);
}

Value sumOfSquareDifferences(const CallContext& context)
{
    return sumOfPairs(context, [](double x, double y) { return x * x - y * y; });
}

Value sumOfSquareSums(const CallContext& context)
{
    return sumOfPairs(context, [](double x, double y) { return x * x + y * y; });
}

Value sumOfSquaredDifferences(const CallContext& context)
{
    return sumOfPairs(context, [](double x, double y) { return (x - y) * (x - y); });
}

// a1 x^n + a2 x^(n+m) + a3 x^(n+2m) + ...; an empty coefficient counts as
// zero, any other value that is not a number gives #VALUE!.
Value seriesSum(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double n = args.number(1);
    const double m = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    const ValueArray coefficients = context.values(3);
    double sum = 0.0;
    double power = n;
    for (const Value& a : coefficients.items()) {
        if (a.isError()) {
            return a;
        }
        if (!a.isEmpty() && !a.isNumber()) {
            return Value::error(ErrorCode::Value);
        }
        if (a.isNumber() && a.number() != 0.0) {
            sum += a.number() * std::pow(x, power);
        }
        power += m;
    }
    return numberOrNum(sum);
}

}  // namespace spreadsheet::functions
