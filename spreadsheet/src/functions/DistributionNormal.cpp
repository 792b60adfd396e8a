#include "DistributionFunctions.h"

#include "ArgumentReader.h"
#include "DistributionSupport.h"
#include "SpecialFunctions.h"

#include <cmath>

namespace spreadsheet::functions {

namespace {

using namespace distribution;
using special::normalDensity;
using special::normalQuantile;
using special::normalTails;

constexpr double kSqrtHalf = 0.707106781186547524400844362105;

Value standardNormal(double z, bool cumulative)
{
    return result(cumulative ? normalTails(z).lower : normalDensity(z));
}

// erf(b) - erf(a), taken from the complementary function when both ends lie
// on the same side, where erf itself has no digits left to subtract.
double errorBetween(double a, double b)
{
    if (a >= 0.0 && b >= 0.0) {
        return std::erfc(a) - std::erfc(b);
    }
    if (a <= 0.0 && b <= 0.0) {
        return std::erfc(-b) - std::erfc(-a);
    }
    return std::erf(b) - std::erf(a);
}

Value singleArgument(const CallContext& context, double (*f)(double))
{
    ArgumentReader args(context);
    const double x = args.number(0);
    return args.failed() ? args.error() : result(f(x));
}

}  // namespace

Value normDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double mean = args.number(1);
    const double sd = args.number(2);
    const bool cumulative = args.boolean(3);
    if (args.failed()) {
        return args.error();
    }
    if (sd <= 0.0) {
        return num();
    }
    const double z = (x - mean) / sd;
    return result(cumulative ? normalTails(z).lower : normalDensity(z) / sd);
}

Value normInv(const CallContext& context)
{
    ArgumentReader args(context);
    const double p = args.number(0);
    const double mean = args.number(1);
    const double sd = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(p, true) || sd <= 0.0) {
        return num();
    }
    return result(mean + sd * normalQuantile(p));
}

Value normSDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double z = args.number(0);
    const bool cumulative = args.boolean(1);
    return args.failed() ? args.error() : standardNormal(z, cumulative);
}

Value normSDistLegacy(const CallContext& context)
{
    ArgumentReader args(context);
    const double z = args.number(0);
    return args.failed() ? args.error() : standardNormal(z, true);
}

Value normSInv(const CallContext& context)
{
    ArgumentReader args(context);
    const double p = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return inUnit(p, true) ? result(normalQuantile(p)) : num();
}

Value logNormDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double mean = args.number(1);
    const double sd = args.number(2);
    const bool cumulative = args.boolean(3, true);
    if (args.failed()) {
        return args.error();
    }
    if (x <= 0.0 || sd <= 0.0) {
        return num();
    }
    const double z = (std::log(x) - mean) / sd;
    return result(cumulative ? normalTails(z).lower : normalDensity(z) / (x * sd));
}

// LOGNORMDIST has no cumulative argument: it is always the distribution function.
Value logNormDistLegacy(const CallContext& context)
{
    return logNormDist(context);
}

Value logNormInv(const CallContext& context)
{
    ArgumentReader args(context);
    const double p = args.number(0);
    const double mean = args.number(1);
    const double sd = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(p, true) || sd <= 0.0) {
        return num();
    }
    return result(std::exp(mean + sd * normalQuantile(p)));
}

Value phi(const CallContext& context)
{
    return singleArgument(context, normalDensity);
}

// Phi(z) - 1/2 as half the error function, which keeps the digits near z = 0.
Value gauss(const CallContext& context)
{
    return singleArgument(context, [](double z) { return 0.5 * std::erf(z * kSqrtHalf); });
}

Value errorFunction(const CallContext& context)
{
    ArgumentReader args(context);
    const double lower = args.number(0);
    const bool hasUpper = args.isGiven(1);
    const double upper = args.number(1);
    if (args.failed()) {
        return args.error();
    }
    return result(hasUpper ? errorBetween(lower, upper) : std::erf(lower));
}

Value errorFunctionPrecise(const CallContext& context)
{
    return singleArgument(context, [](double x) { return std::erf(x); });
}

Value complementaryError(const CallContext& context)
{
    return singleArgument(context, [](double x) { return std::erfc(x); });
}

Value fisher(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return x > -1.0 && x < 1.0 ? result(std::atanh(x)) : num();
}

Value fisherInv(const CallContext& context)
{
    return singleArgument(context, [](double y) { return std::tanh(y); });
}

Value confidenceNorm(const CallContext& context)
{
    ArgumentReader args(context);
    const double alpha = args.number(0);
    const double sd = args.number(1);
    const double size = std::trunc(args.number(2));
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(alpha, true) || sd <= 0.0 || size < 1.0) {
        return num();
    }
    return result(-normalQuantile(alpha / 2.0) * sd / std::sqrt(size));
}

}  // namespace spreadsheet::functions
