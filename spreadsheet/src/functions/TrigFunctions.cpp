#include "TrigFunctions.h"

#include "ArgumentReader.h"

#include <cmath>
#include <numbers>

namespace spreadsheet::functions {

namespace {

constexpr double kPi = std::numbers::pi;

// Past 2^27 radians a double keeps too few digits of the angle's place in
// its turn for a sine to mean anything, so these give #NUM! there.
constexpr double kLargestAngle = 134217728.0;

// A function of one number; f may return a Value to give an error.
template <typename F>
Value ofNumber(const CallContext& context, F&& f)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    const Value result = f(x);
    if (result.isNumber() && !std::isfinite(result.number())) {
        return Value::error(ErrorCode::Num);
    }
    return result;
}

template <typename F>
Value ofAngle(const CallContext& context, F&& f)
{
    return ofNumber(context, [&](double x) { return std::fabs(x) >= kLargestAngle ? Value::error(ErrorCode::Num) : f(x); });
}

// 1 / f(x), #DIV/0! where f vanishes.
template <typename F>
Value reciprocal(const CallContext& context, F&& f)
{
    return ofAngle(context, [&](double x) {
        const double d = f(x);
        return d == 0.0 ? Value::error(ErrorCode::Div0) : Value(1.0 / d);
    });
}

Value numberIf(bool inDomain, double x)
{
    return inDomain ? Value(x) : Value::error(ErrorCode::Num);
}

}  // namespace

Value sine(const CallContext& context)
{
    return ofAngle(context, [](double x) { return Value(std::sin(x)); });
}

Value cosine(const CallContext& context)
{
    return ofAngle(context, [](double x) { return Value(std::cos(x)); });
}

Value tangent(const CallContext& context)
{
    return ofAngle(context, [](double x) { return Value(std::tan(x)); });
}

Value arcSine(const CallContext& context)
{
    return ofNumber(context, [](double x) { return numberIf(std::fabs(x) <= 1.0, std::asin(x)); });
}

Value arcCosine(const CallContext& context)
{
    return ofNumber(context, [](double x) { return numberIf(std::fabs(x) <= 1.0, std::acos(x)); });
}

Value arcTangent(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(std::atan(x)); });
}

// The x coordinate comes first, unlike atan2 in C.
Value arcTangent2(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double y = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    if (x == 0.0 && y == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    return Value(std::atan2(y, x));
}

Value hyperbolicSine(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(std::sinh(x)); });
}

Value hyperbolicCosine(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(std::cosh(x)); });
}

Value hyperbolicTangent(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(std::tanh(x)); });
}

Value hyperbolicArcSine(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(std::asinh(x)); });
}

Value hyperbolicArcCosine(const CallContext& context)
{
    return ofNumber(context, [](double x) { return numberIf(x >= 1.0, std::acosh(x)); });
}

Value hyperbolicArcTangent(const CallContext& context)
{
    return ofNumber(context, [](double x) { return numberIf(std::fabs(x) < 1.0, std::atanh(x)); });
}

Value cotangent(const CallContext& context)
{
    return reciprocal(context, [](double x) { return std::tan(x); });
}

Value hyperbolicCotangent(const CallContext& context)
{
    return reciprocal(context, [](double x) { return std::tanh(x); });
}

// Between 0 and pi, so that it stays continuous through zero.
Value arcCotangent(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(kPi / 2.0 - std::atan(x)); });
}

Value hyperbolicArcCotangent(const CallContext& context)
{
    return ofNumber(context, [](double x) { return numberIf(std::fabs(x) > 1.0, std::atanh(1.0 / x)); });
}

Value cosecant(const CallContext& context)
{
    return reciprocal(context, [](double x) { return std::sin(x); });
}

Value hyperbolicCosecant(const CallContext& context)
{
    return reciprocal(context, [](double x) { return std::sinh(x); });
}

Value secant(const CallContext& context)
{
    return reciprocal(context, [](double x) { return std::cos(x); });
}

Value hyperbolicSecant(const CallContext& context)
{
    return reciprocal(context, [](double x) { return std::cosh(x); });
}

Value degrees(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(x * 180.0 / kPi); });
}

Value radians(const CallContext& context)
{
    return ofNumber(context, [](double x) { return Value(x * kPi / 180.0); });
}

}  // namespace spreadsheet::functions
