#include "RoundingFunctions.h"

#include "../DecimalDigits.h"
#include "ArgumentReader.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

using Rounding = DecimalDigits::Rounding;

constexpr int kSignificantDigits = 15;

enum class Toward { PlusInfinity, MinusInfinity, Nearest };

// The number of steps in x, made whole. The quotient is read to 15 digits
// first, so that 0.3 / 0.1 counts as 3 steps and not as 2.9999999999999996.
double steps(double x, double step, Toward toward)
{
    const double q = x / step;
    DecimalDigits digits(q);
    if (digits.leadingExponent() + 1 >= kSignificantDigits) {
        return q;  // already whole as far as a user can see
    }
    Rounding mode = Rounding::HalfAwayFromZero;
    if (toward == Toward::PlusInfinity) {
        mode = q < 0.0 ? Rounding::TowardZero : Rounding::AwayFromZero;
    } else if (toward == Toward::MinusInfinity) {
        mode = q < 0.0 ? Rounding::AwayFromZero : Rounding::TowardZero;
    }
    digits.round(0, mode);
    return digits.toDouble();
}

// x rounded to a multiple of step; the product is read to 15 digits too, so
// that 3 steps of 0.1 give 0.3.
Value toMultiple(double x, double step, Toward toward)
{
    const double result = steps(x, step, toward) * step;
    if (!std::isfinite(result)) {
        return Value::error(ErrorCode::Num);
    }
    return Value(DecimalDigits(result).toDouble());
}

// CEILING.MATH and FLOOR.MATH: the sign of the significance does not count;
// a non-zero mode turns the rounding of negative numbers around.
Value roundMath(const CallContext& context, Toward toward)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double step = std::fabs(args.number(1, 1.0));
    const bool reversed = args.number(2, 0.0) != 0.0;
    if (args.failed()) {
        return args.error();
    }
    if (step == 0.0 || x == 0.0) {
        return Value(0.0);
    }
    if (x < 0.0 && reversed) {
        toward = toward == Toward::PlusInfinity ? Toward::MinusInfinity : Toward::PlusInfinity;
    }
    return toMultiple(x, step, toward);
}

// CEILING.PRECISE, ISO.CEILING and FLOOR.PRECISE: the significance's sign
// is ignored and negative numbers round the same way as positive ones.
Value roundPrecise(const CallContext& context, Toward toward)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double step = std::fabs(args.number(1, 1.0));
    if (args.failed()) {
        return args.error();
    }
    if (step == 0.0 || x == 0.0) {
        return Value(0.0);
    }
    return toMultiple(x, step, toward);
}

// ODD and EVEN: away from zero to the next integer of the given parity.
Value toParity(const CallContext& context, double offset)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    const double magnitude = steps(std::fabs(x) + offset, 2.0, Toward::PlusInfinity) * 2.0 - offset;
    return Value(x < 0.0 ? -magnitude : magnitude);
}

}  // namespace

// A positive number cannot be rounded to a negative significance; with both
// negative the rounding goes away from zero.
Value ceiling(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double step = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    if (x == 0.0 || step == 0.0) {
        return Value(0.0);
    }
    if (x > 0.0 && step < 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return toMultiple(x, step, Toward::PlusInfinity);
}

Value floorMultiple(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double step = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    if (step == 0.0) {
        return x == 0.0 ? Value(0.0) : Value::error(ErrorCode::Div0);
    }
    if (x == 0.0) {
        return Value(0.0);
    }
    if (x > 0.0 && step < 0.0) {
        return Value::error(ErrorCode::Num);
    }
    return toMultiple(x, step, Toward::MinusInfinity);
}

Value ceilingMath(const CallContext& context)
{
    return roundMath(context, Toward::PlusInfinity);
}

Value floorMath(const CallContext& context)
{
    return roundMath(context, Toward::MinusInfinity);
}

Value ceilingPrecise(const CallContext& context)
{
    return roundPrecise(context, Toward::PlusInfinity);
}

Value floorPrecise(const CallContext& context)
{
    return roundPrecise(context, Toward::MinusInfinity);
}

// Halves go away from zero; a number and a multiple of opposite signs have
// no common multiple to round to.
Value roundToMultiple(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double step = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    if (x == 0.0 || step == 0.0) {
        return Value(0.0);
    }
    if ((x < 0.0) != (step < 0.0)) {
        return Value::error(ErrorCode::Num);
    }
    return toMultiple(x, step, Toward::Nearest);
}

Value even(const CallContext& context)
{
    return toParity(context, 0.0);
}

Value odd(const CallContext& context)
{
    return toParity(context, 1.0);
}

}  // namespace spreadsheet::functions
