#include "MathFunctions.h"

#include "ArgumentReader.h"
#include "NumericArguments.h"
#include "Results.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

// Beyond 2^53 a double no longer holds every integer, so divisors and
// multiples could not be exact.
constexpr double kLargestExactInteger = 9007199254740992.0;

double gcdOf(double a, double b)
{
    while (b != 0.0) {
        const double r = std::fmod(a, b);
        a = b;
        b = r;
    }
    return a;
}

// n over k, built so that every partial product is a whole number; it
// stops growing once it has overflowed.
double binomial(double n, double k)
{
    k = std::min(k, n - k);
    double result = 1.0;
    for (double i = 1.0; i <= k && std::isfinite(result); i += 1.0) {
        result = result * (n - k + i) / i;
    }
    return result < kLargestExactInteger ? std::round(result) : result;
}

// Reads the integer parts of all numbers of the arguments; a negative one
// or one too large to be exact gives #NUM!.
template <typename Fold>
Value foldWholeNumbers(const CallContext& context, double start, Fold&& fold)
{
    double result = start;
    bool outOfRange = false;
    const auto error = NumericArguments::forEach(context, [&](double x) {
        const double n = std::trunc(x);
        if (n < 0.0 || n >= kLargestExactInteger) {
            outOfRange = true;
        } else if (!outOfRange) {
            result = fold(result, n);
        }
    });
    if (error) {
        return Value::error(*error);
    }
    return outOfRange ? Value::error(ErrorCode::Num) : numberOrNum(result);
}

}  // namespace

Value quotient(const CallContext& context)
{
    ArgumentReader args(context);
    const double numerator = args.number(0);
    const double denominator = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    if (denominator == 0.0) {
        return Value::error(ErrorCode::Div0);
    }
    return numberOrNum(std::trunc(numerator / denominator));
}

Value greatestCommonDivisor(const CallContext& context)
{
    return foldWholeNumbers(context, 0.0, [](double a, double b) { return gcdOf(a, b); });
}

Value leastCommonMultiple(const CallContext& context)
{
    return foldWholeNumbers(context, 1.0, [](double a, double b) {
        if (a == 0.0 || b == 0.0) {
            return 0.0;
        }
        return a / gcdOf(a, b) * b;
    });
}

Value factorial(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || n > 170.0) {
        return Value::error(ErrorCode::Num);
    }
    double result = 1.0;
    for (double i = 2.0; i <= n; i += 1.0) {
        result *= i;
    }
    return Value(result);
}

Value doubleFactorial(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || n > 300.0) {
        return Value::error(ErrorCode::Num);
    }
    double result = 1.0;
    for (double i = n; i > 1.0; i -= 2.0) {
        result *= i;
    }
    return numberOrNum(result);
}

Value combin(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const double k = std::trunc(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || k < 0.0 || n < k) {
        return Value::error(ErrorCode::Num);
    }
    return numberOrNum(binomial(n, k));
}

// Choices of k among n kinds when a kind may be chosen again: n + k - 1 over k.
Value combinWithRepetition(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const double k = std::trunc(args.number(1));
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || k < 0.0 || n < k) {
        return Value::error(ErrorCode::Num);
    }
    return k == 0.0 ? Value(1.0) : numberOrNum(binomial(n + k - 1.0, k));
}

// (a + b + c)! / (a! b! c!) as a product of binomials, which overflows
// only when the result does.
Value multinomial(const CallContext& context)
{
    double total = 0.0;
    return foldWholeNumbers(context, 1.0, [&](double result, double n) {
        total += n;
        return result * binomial(total, n);
    });
}

}  // namespace spreadsheet::functions
