#include "DistributionFunctions.h"

#include "ArgumentReader.h"
#include "DistributionLaws.h"
#include "DistributionSupport.h"

#include <cmath>
#include <optional>

namespace spreadsheet::functions {

namespace {

using namespace distribution;
namespace sp = special;

// The chi-square distribution is the gamma one with shape df/2 and scale 2.
constexpr double kChiScale = 2.0;

// Reads x and the degrees of freedom of a chi-square function.
struct ChiArguments {
    double x = 0.0;
    double df = 0.0;
    bool cumulative = true;
};

std::optional<Value> readChi(const CallContext& context, ChiArguments& out, bool withCumulative)
{
    ArgumentReader args(context);
    out.x = args.number(0);
    out.df = std::trunc(args.number(1));
    if (withCumulative) {
        out.cumulative = args.boolean(2);
    }
    if (args.failed()) {
        return args.error();
    }
    return validFreedom(out.df) ? std::nullopt : std::optional(num());
}

Value chiQuantile(const CallContext& context, bool upperTail)
{
    ChiArguments a;  // a.x holds the probability here
    if (auto error = readChi(context, a, false)) {
        return *error;
    }
    if (!inUnit(a.x, false)) {
        return num();
    }
    return result(sp::quantile(sp::gammaLaw(a.df / 2.0, kChiScale), a.x, upperTail));
}

// The bounds A and B of the beta functions, 0 and 1 when left out.
struct Interval {
    double low = 0.0;
    double high = 1.0;
    double width() const { return high - low; }
};

}  // namespace

Value gammaFunction(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    // Gamma has poles at 0 and at the negative integers.
    if (x <= 0.0 && x == std::floor(x)) {
        return num();
    }
    return result(std::tgamma(x));
}

Value logGamma(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    if (args.failed()) {
        return args.error();
    }
    return x > 0.0 ? result(std::lgamma(x)) : num();
}

Value gammaDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double shape = args.number(1);
    const double scale = args.number(2);
    const bool cumulative = args.boolean(3);
    if (args.failed()) {
        return args.error();
    }
    if (x < 0.0 || shape <= 0.0 || scale <= 0.0) {
        return num();
    }
    return result(cumulative ? sp::gammaTails(x, shape, scale).lower : sp::gammaDensity(x, shape, scale));
}

Value gammaInv(const CallContext& context)
{
    ArgumentReader args(context);
    const double p = args.number(0);
    const double shape = args.number(1);
    const double scale = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(p, false) || shape <= 0.0 || scale <= 0.0) {
        return num();
    }
    return result(sp::quantile(sp::gammaLaw(shape, scale), p, false));
}

Value chiSqDist(const CallContext& context)
{
    ChiArguments a;
    if (auto error = readChi(context, a, true)) {
        return *error;
    }
    if (a.x < 0.0) {
        return num();
    }
    const double shape = a.df / 2.0;
    return result(a.cumulative ? sp::gammaTails(a.x, shape, kChiScale).lower : sp::gammaDensity(a.x, shape, kChiScale));
}

Value chiSqDistRt(const CallContext& context)
{
    ChiArguments a;
    if (auto error = readChi(context, a, false)) {
        return *error;
    }
    return a.x < 0.0 ? num() : result(sp::gammaTails(a.x, a.df / 2.0, kChiScale).upper);
}

Value chiSqInv(const CallContext& context)
{
    return chiQuantile(context, false);
}

Value chiSqInvRt(const CallContext& context)
{
    return chiQuantile(context, true);
}

Value exponDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double lambda = args.number(1);
    const bool cumulative = args.boolean(2);
    if (args.failed()) {
        return args.error();
    }
    if (x < 0.0 || lambda <= 0.0) {
        return num();
    }
    return result(cumulative ? -std::expm1(-lambda * x) : lambda * std::exp(-lambda * x));
}

Value weibull(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double alpha = args.number(1);
    const double beta = args.number(2);
    const bool cumulative = args.boolean(3);
    if (args.failed()) {
        return args.error();
    }
    if (x < 0.0 || alpha <= 0.0 || beta <= 0.0) {
        return num();
    }
    const double u = std::pow(x / beta, alpha);
    return result(cumulative ? -std::expm1(-u) : alpha / beta * std::pow(x / beta, alpha - 1.0) * std::exp(-u));
}

Value betaDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double a = args.number(1);
    const double b = args.number(2);
    const bool cumulative = args.boolean(3);
    const Interval range{args.number(4, 0.0), args.number(5, 1.0)};
    if (args.failed()) {
        return args.error();
    }
    if (a <= 0.0 || b <= 0.0 || x < range.low || x > range.high || range.low == range.high) {
        return num();
    }
    const double t = (x - range.low) / range.width();
    return result(cumulative ? sp::betaTails(t, a, b).lower : sp::betaDensity(t, a, b) / range.width());
}

// BETADIST(x; alfa; beta; [A]; [B]): the distribution function only.
Value betaDistLegacy(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = args.number(0);
    const double a = args.number(1);
    const double b = args.number(2);
    const Interval range{args.number(3, 0.0), args.number(4, 1.0)};
    if (args.failed()) {
        return args.error();
    }
    if (a <= 0.0 || b <= 0.0 || x < range.low || x > range.high || range.low == range.high) {
        return num();
    }
    return result(sp::betaTails((x - range.low) / range.width(), a, b).lower);
}

Value betaInv(const CallContext& context)
{
    ArgumentReader args(context);
    const double p = args.number(0);
    const double a = args.number(1);
    const double b = args.number(2);
    const Interval range{args.number(3, 0.0), args.number(4, 1.0)};
    if (args.failed()) {
        return args.error();
    }
    if (p <= 0.0 || p > 1.0 || a <= 0.0 || b <= 0.0 || range.low >= range.high) {
        return num();
    }
    return result(range.low + range.width() * sp::quantile(sp::betaLaw(a, b), p, false));
}

}  // namespace spreadsheet::functions
