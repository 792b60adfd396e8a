#include "EngineeringFunctions.h"

#include "ComplexNumber.h"
#include "EngineeringArguments.h"

#include <cmath>
#include <numbers>

namespace spreadsheet::functions {

namespace {

using complex::Complex;
using complex::Reader;

// The products and quotients are written out rather than left to
// std::complex, whose scaling costs exactness on small whole numbers:
// IMDIV("-238+240i"; "10+24i") must give exactly "5+12i".
Complex times(Complex a, Complex b)
{
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

Complex dividedBy(Complex a, Complex b)
{
    const double d = b.real() * b.real() + b.imag() * b.imag();
    return {(a.real() * b.real() + a.imag() * b.imag()) / d, (a.imag() * b.real() - a.real() * b.imag()) / d};
}

// Powers and roots go through the polar form, as Excel's do, so that
// IMPOWER("2+3i"; 3) gives its -46+9.00000000000001i.
Complex polarPower(Complex z, double n)
{
    const double r = std::pow(std::abs(z), n);
    const double angle = n * std::arg(z);
    return {r * std::cos(angle), r * std::sin(angle)};
}

Complex sine(Complex z)
{
    return {std::sin(z.real()) * std::cosh(z.imag()), std::cos(z.real()) * std::sinh(z.imag())};
}

Complex cosine(Complex z)
{
    return {std::cos(z.real()) * std::cosh(z.imag()), -std::sin(z.real()) * std::sinh(z.imag())};
}

Complex hyperbolicSine(Complex z)
{
    return {std::sinh(z.real()) * std::cos(z.imag()), std::cosh(z.real()) * std::sin(z.imag())};
}

Complex hyperbolicCosine(Complex z)
{
    return {std::cosh(z.real()) * std::cos(z.imag()), std::sinh(z.real()) * std::sin(z.imag())};
}

Complex logarithm(Complex z)
{
    return {std::log(std::abs(z)), std::arg(z)};
}

bool isZero(Complex z)
{
    return z.real() == 0.0 && z.imag() == 0.0;
}

// A function of one complex number giving one; zero is outside the domain
// of those that divide by it or take its logarithm.
template <typename F>
Value unary(const CallContext& context, F f, bool zeroAllowed = true)
{
    Reader reader(context);
    const Complex z = reader.argument(0);
    if (reader.failed()) {
        return reader.error();
    }
    if (!zeroAllowed && isZero(z)) {
        return engineering::num();
    }
    return reader.result(f(z));
}

// The reciprocal of f(z); a zero denominator is #NUM!.
template <typename F>
Value reciprocal(const CallContext& context, F f)
{
    return unary(context, [f](Complex z) {
        const Complex d = f(z);
        return isZero(d) ? Complex(NAN, NAN) : dividedBy(Complex(1.0, 0.0), d);
    });
}

template <typename F>
Value realPart(const CallContext& context, F f)
{
    Reader reader(context);
    const Complex z = reader.argument(0);
    return reader.failed() ? reader.error() : engineering::result(f(z));
}

}  // namespace

Value complexNumber(const CallContext& context)
{
    ArgumentReader args(context);
    const double re = engineering::number(args, context, 0);
    const double im = engineering::number(args, context, 1);
    const QString suffix = args.text(2, QStringLiteral("i"));
    if (args.failed()) {
        return args.error();
    }
    if (suffix != QLatin1String("i") && suffix != QLatin1String("j") && !suffix.isEmpty()) {
        return Value::error(ErrorCode::Value);
    }
    const auto unit = suffix == QLatin1String("j") ? complex::Suffix::J : complex::Suffix::I;
    return Value(complex::format(Complex(re, im), unit));
}

Value imReal(const CallContext& context)
{
    return realPart(context, [](Complex z) { return z.real(); });
}

Value imaginary(const CallContext& context)
{
    return realPart(context, [](Complex z) { return z.imag(); });
}

Value imAbs(const CallContext& context)
{
    return realPart(context, [](Complex z) { return std::abs(z); });
}

// The angle of zero is undefined: #DIV/0!.
Value imArgument(const CallContext& context)
{
    Reader reader(context);
    const Complex z = reader.argument(0);
    if (reader.failed()) {
        return reader.error();
    }
    return isZero(z) ? Value::error(ErrorCode::Div0) : Value(std::arg(z));
}

Value imConjugate(const CallContext& context)
{
    return unary(context, [](Complex z) { return std::conj(z); });
}

Value imSum(const CallContext& context)
{
    Reader reader(context);
    Complex total;
    for (int i = 0; i < context.count() && !reader.failed(); ++i) {
        reader.forEach(i, [&](Complex z) { total += z; });
    }
    return reader.failed() ? reader.error() : reader.result(total);
}

Value imSub(const CallContext& context)
{
    Reader reader(context);
    const Complex a = reader.argument(0);
    const Complex b = reader.argument(1);
    return reader.failed() ? reader.error() : reader.result(a - b);
}

Value imProduct(const CallContext& context)
{
    Reader reader(context);
    Complex total(1.0, 0.0);
    for (int i = 0; i < context.count() && !reader.failed(); ++i) {
        reader.forEach(i, [&](Complex z) { total = times(total, z); });
    }
    return reader.failed() ? reader.error() : reader.result(total);
}

Value imDiv(const CallContext& context)
{
    Reader reader(context);
    const Complex a = reader.argument(0);
    const Complex b = reader.argument(1);
    if (reader.failed()) {
        return reader.error();
    }
    return isZero(b) ? engineering::num() : reader.result(dividedBy(a, b));
}

// Zero has positive powers only.
Value imPower(const CallContext& context)
{
    Reader reader(context);
    const Complex z = reader.argument(0);
    const double n = reader.real(1);
    if (reader.failed()) {
        return reader.error();
    }
    if (isZero(z)) {
        return n > 0.0 ? reader.result(Complex()) : engineering::num();
    }
    return reader.result(polarPower(z, n));
}

Value imSqrt(const CallContext& context)
{
    return unary(context, [](Complex z) { return isZero(z) ? z : polarPower(z, 0.5); });
}

Value imExp(const CallContext& context)
{
    return unary(context, [](Complex z) { return std::polar(std::exp(z.real()), z.imag()); });
}

Value imLn(const CallContext& context)
{
    return unary(context, logarithm, false);
}

Value imLog10(const CallContext& context)
{
    return unary(context, [](Complex z) { return logarithm(z) / std::numbers::ln10; }, false);
}

Value imLog2(const CallContext& context)
{
    return unary(context, [](Complex z) { return logarithm(z) / std::numbers::ln2; }, false);
}

Value imSin(const CallContext& context)
{
    return unary(context, sine);
}

Value imCos(const CallContext& context)
{
    return unary(context, cosine);
}

Value imTan(const CallContext& context)
{
    return unary(context, [](Complex z) { return dividedBy(sine(z), cosine(z)); });
}

Value imSinh(const CallContext& context)
{
    return unary(context, hyperbolicSine);
}

Value imCosh(const CallContext& context)
{
    return unary(context, hyperbolicCosine);
}

Value imSec(const CallContext& context)
{
    return reciprocal(context, cosine);
}

Value imSech(const CallContext& context)
{
    return reciprocal(context, hyperbolicCosine);
}

Value imCsc(const CallContext& context)
{
    return reciprocal(context, sine);
}

Value imCsch(const CallContext& context)
{
    return reciprocal(context, hyperbolicSine);
}

Value imCot(const CallContext& context)
{
    return unary(context, [](Complex z) {
        const Complex s = sine(z);
        return isZero(s) ? Complex(NAN, NAN) : dividedBy(cosine(z), s);
    });
}

}  // namespace spreadsheet::functions
