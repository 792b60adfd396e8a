#include "MathFunctions.h"

#include "../DecimalDigits.h"
#include "ArgumentReader.h"
#include "NumericArguments.h"
#include "Results.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace spreadsheet::functions {

namespace {

using Rounding = DecimalDigits::Rounding;

constexpr long long kSignificantDigits = 15;

// One generator per calculating thread, seeded once from the system.
std::mt19937_64& generator()
{
    thread_local std::mt19937_64 engine{std::random_device{}()};
    return engine;
}

// A logarithm of a positive number; 0 and negative numbers have none.
template <typename Log>
Value positiveLog(const CallContext& context, Log log)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return x <= 0.0 ? Value::error(ErrorCode::Num) : numberOrNum(log(x));
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

Value sign(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return Value(x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0));
}

Value exponential(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    return args.failed() ? args.error() : numberOrNum(std::exp(x));
}

Value naturalLog(const CallContext& context)
{
    return positiveLog(context, [](double x) { return std::log(x); });
}

Value log10(const CallContext& context)
{
    return positiveLog(context, [](double x) { return std::log10(x); });
}

// Base 10 when left out. The quotient of two logarithms is kept to the
// digits a user sees, so that LOG(8; 2) is the 3 it shows.
Value logarithm(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double base = args.number(1, 10.0);
    if (args.failed()) {
        return args.error();
    }
    if (x <= 0.0 || base <= 0.0) {
        return Value::error(ErrorCode::Num);
    }
    if (base == 1.0) {
        return Value::error(ErrorCode::Div0);
    }
    if (base == 10.0) {
        return Value(std::log10(x));
    }
    return numberOrNum(DecimalDigits(std::log(x) / std::log(base)).toDouble());
}

Value pi(const CallContext&)
{
    return Value(std::numbers::pi);
}

Value squareRootOfPi(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return x < 0.0 ? Value::error(ErrorCode::Num) : Value(std::sqrt(x * std::numbers::pi));
}

Value random(const CallContext&)
{
    return Value(std::uniform_real_distribution<double>(0.0, 1.0)(generator()));
}

// Whole numbers from the bottom rounded up to the top rounded down.
Value randomBetween(const CallContext& context)
{
    ArgumentReader args(context);
    const double bottom = std::ceil(args.number(0));
    const double top = std::floor(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    if (bottom > top) {
        return Value::error(ErrorCode::Num);
    }
    const double span = top - bottom + 1.0;
    const double offset = std::floor(std::uniform_real_distribution<double>(0.0, 1.0)(generator()) * span);
    return Value(bottom + std::min(offset, span - 1.0));
}

}  // namespace spreadsheet::functions
