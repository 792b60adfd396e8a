#include "MathFunctions.h"

#include "../DecimalDigits.h"
#include "ArgumentReader.h"
#include "NumericArguments.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

using Rounding = DecimalDigits::Rounding;

constexpr long long kSignificantDigits = 15;

Value numberOrNum(double x)
{
    return std::isfinite(x) ? Value(x) : Value::error(ErrorCode::Num);
}

Value roundWith(const CallContext& context, Rounding mode)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const int decimals = args.integer(1, 0);
    if (args.failed()) {
        return args.error();
    }
    DecimalDigits digits(x);
    // Past the 15th significant digit there is nothing a user could see to round.
    if (digits.leadingExponent() + 1LL + decimals >= kSignificantDigits) {
        return Value(x);
    }
    digits.round(decimals, mode);
    return Value(digits.toDouble());
}

}  // namespace

Value round(const CallContext& context)
{
    return roundWith(context, Rounding::HalfAwayFromZero);
}

Value roundUp(const CallContext& context)
{
    return roundWith(context, Rounding::AwayFromZero);
}

Value roundDown(const CallContext& context)
{
    return roundWith(context, Rounding::TowardZero);
}

Value truncate(const CallContext& context)
{
    return roundWith(context, Rounding::TowardZero);
}

Value integer(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    return args.failed() ? args.error() : Value(std::floor(x));
}

Value absolute(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    return args.failed() ? args.error() : Value(std::fabs(x));
}

// The result takes the divisor's sign: MOD(-3; 2) = 1, MOD(3; -2) = -1.
Value modulo(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = args.number(0);
    const double d = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    if (d == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    double r = std::fmod(n, d);
    if (r != 0.0 && (r < 0.0) != (d < 0.0)) {
        r += d;
    }
    return numberOrNum(r);
}

Value power(const CallContext& context)
{
    ArgumentReader args(context);
    const double base = args.number(0);
    const double exponent = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    if (base == 0.0 && exponent == 0.0) {
        return Value::error(ErrorCode::Num);
    }
    if (base == 0.0 && exponent < 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    return numberOrNum(std::pow(base, exponent));  // a negative base with a fractional exponent gives NaN
}

Value squareRoot(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return x < 0.0 ? Value::error(ErrorCode::Num) : Value(std::sqrt(x));
}

Value product(const CallContext& context)
{
    double result = 1.0;
    bool any = false;
    const auto error = NumericArguments::forEach(context, [&](double x) {
        result *= x;
        any = true;
    });
    if (error) {
        return Value::error(*error);
    }
    return numberOrNum(any ? result : 0.0);
}

}  // namespace spreadsheet::functions
