#include "DistributionFunctions.h"

#include "ArgumentReader.h"
#include "DistributionSupport.h"
#include "SpecialFunctions.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::functions {

namespace {

using namespace distribution;
namespace sp = special;

// Ranges this short are summed term by term rather than as a difference of tails.
constexpr double kMaxSummedTerms = 1000.0;

double binomialMass(double k, double n, double p)
{
    return sp::binomialTerm(k, n - k, p, 1.0 - p);
}

// P(X <= k) and P(X > k) for X binomial with n trials, from the incomplete
// beta function: P(X <= k) = I_{1-p}(n - k, k + 1).
sp::Tails binomialTails(double k, double n, double p)
{
    if (k < 0.0) {
        return {0.0, 1.0};
    }
    if (k >= n) {
        return {1.0, 0.0};
    }
    return sp::incompleteBeta(n - k, k + 1.0, 1.0 - p, p);
}

double binomialBetween(double low, double high, double n, double p)
{
    if (high - low < kMaxSummedTerms) {
        double sum = 0.0;
        for (double k = low; k <= high; ++k) {
            sum += binomialMass(k, n, p);
        }
        return sum;
    }
    // Subtract the tails on the side where both are small.
    if (low > n * p) {
        return binomialTails(low - 1.0, n, p).upper - binomialTails(high, n, p).upper;
    }
    return binomialTails(high, n, p).lower - binomialTails(low - 1.0, n, p).lower;
}

// The smallest k with P(X <= k) >= alpha, comparing on the smaller tail.
double binomialQuantile(double n, double p, double alpha)
{
    const auto reaches = [&](double k) {
        const sp::Tails t = binomialTails(k, n, p);
        return alpha <= 0.5 ? t.lower >= alpha : t.upper <= 1.0 - alpha;
    };
    double lo = -1.0;  // P(X <= -1) = 0 never reaches alpha > 0
    double hi = n;
    if (alpha == 0.0) {
        return 0.0;
    }
    while (hi - lo > 1.0) {
        const double mid = std::floor(lo + (hi - lo) / 2.0);
        (reaches(mid) ? hi : lo) = mid;
    }
    return hi;
}

// A hypergeometric draw: n items out of a population of size, holding
// successes good ones.
struct Draw {
    double n = 0.0;
    double successes = 0.0;
    double size = 0.0;
    double failures() const { return size - successes; }
    double lowest() const { return std::max(0.0, n - failures()); }
    double highest() const { return std::min(n, successes); }
};

// C(K, x) C(N - K, n - x) / C(N, n) as a ratio of binomial terms, each of
// them computed without the huge binomial coefficients.
double hyperMass(double x, const Draw& d)
{
    const double p = d.n / d.size;
    const double q = (d.size - d.n) / d.size;
    const double p1 = sp::binomialTerm(x, d.successes - x, p, q);
    const double p2 = sp::binomialTerm(d.n - x, d.failures() - (d.n - x), p, q);
    const double p3 = sp::binomialTerm(d.n, d.size - d.n, p, q);
    return p1 * p2 / p3;
}

// Sums the masses from x toward the nearer end, where they fall off
// geometrically: below the mean the lower tail, above it the upper one.
double hyperCumulative(double x, const Draw& d)
{
    const double k = d.successes;
    const double f = d.failures();
    if (x <= d.n * k / d.size) {
        double term = hyperMass(x, d);
        double sum = term;
        for (double j = x; j > d.lowest() && term > sum * 1e-17; --j) {
            term *= j * (f - d.n + j) / ((k - j + 1.0) * (d.n - j + 1.0));
            sum += term;
        }
        return sum;
    }
    if (x >= d.highest()) {
        return 1.0;
    }
    double term = hyperMass(x + 1.0, d);
    double upper = term;
    for (double j = x + 1.0; j < d.highest() && term > upper * 1e-17; ++j) {
        term *= (k - j) * (d.n - j) / ((j + 1.0) * (f - d.n + j + 1.0));
        upper += term;
    }
    return 1.0 - upper;
}

// The legacy form has no cumulative argument and gives the mass.
Value hypergeometric(const CallContext& context, bool withCumulative)
{
    ArgumentReader args(context);
    const double x = std::trunc(args.number(0));
    const Draw d{std::trunc(args.number(1)), std::trunc(args.number(2)), std::trunc(args.number(3))};
    const bool cumulative = withCumulative && args.boolean(4);
    if (args.failed()) {
        return args.error();
    }
    if (d.size <= 0.0 || d.n <= 0.0 || d.n > d.size || d.successes <= 0.0 || d.successes > d.size
        || x < d.lowest() || x > d.highest()) {
        return num();
    }
    return result(cumulative ? hyperCumulative(x, d) : hyperMass(x, d));
}

// Failures before the s-th success: s / (s + f) times a binomial term.
Value negativeBinomial(const CallContext& context, bool withCumulative)
{
    ArgumentReader args(context);
    const double failures = std::trunc(args.number(0));
    const double successes = std::trunc(args.number(1));
    const double p = args.number(2);
    const bool cumulative = withCumulative && args.boolean(3);
    if (args.failed()) {
        return args.error();
    }
    if (!inUnit(p, false) || failures < 0.0 || successes < 1.0) {
        return num();
    }
    if (cumulative) {
        return result(sp::incompleteBeta(successes, failures + 1.0, p, 1.0 - p).lower);
    }
    return result(successes / (successes + failures) * sp::binomialTerm(successes, failures, p, 1.0 - p));
}

}  // namespace

Value binomDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double k = std::trunc(args.number(0));
    const double n = std::trunc(args.number(1));
    const double p = args.number(2);
    const bool cumulative = args.boolean(3);
    if (args.failed()) {
        return args.error();
    }
    if (k < 0.0 || k > n || !inUnit(p, false)) {
        return num();
    }
    return result(cumulative ? binomialTails(k, n, p).lower : binomialMass(k, n, p));
}

Value binomDistRange(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const double p = args.number(1);
    const double low = std::trunc(args.number(2));
    const double high = args.isGiven(3) ? std::trunc(args.number(3)) : low;
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || !inUnit(p, false) || low < 0.0 || low > n || high < low || high > n) {
        return num();
    }
    return result(binomialBetween(low, high, n, p));
}

Value binomInv(const CallContext& context)
{
    ArgumentReader args(context);
    const double n = std::trunc(args.number(0));
    const double p = args.number(1);
    const double alpha = args.number(2);
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || !inUnit(p, false) || !inUnit(alpha, false)) {
        return num();
    }
    return result(binomialQuantile(n, p, alpha));
}

Value negBinomDist(const CallContext& context)
{
    return negativeBinomial(context, true);
}

Value negBinomDistLegacy(const CallContext& context)
{
    return negativeBinomial(context, false);
}

Value hypGeomDist(const CallContext& context)
{
    return hypergeometric(context, true);
}

Value hypGeomDistLegacy(const CallContext& context)
{
    return hypergeometric(context, false);
}

Value poissonDist(const CallContext& context)
{
    ArgumentReader args(context);
    const double x = std::trunc(args.number(0));
    const double mean = args.number(1);
    const bool cumulative = args.boolean(2);
    if (args.failed()) {
        return args.error();
    }
    if (x < 0.0 || mean < 0.0) {
        return num();
    }
    // P(X <= x) = Q(x + 1, mean), the upper incomplete gamma function.
    return result(cumulative ? sp::incompleteGamma(x + 1.0, mean).upper : sp::poissonTerm(x, mean));
}

}  // namespace spreadsheet::functions
