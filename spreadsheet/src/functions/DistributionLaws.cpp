#include "DistributionLaws.h"

#include <cmath>
#include <limits>

namespace spreadsheet::special {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kSqrtTwoPi = 2.506628274631000502415765284811;

// Density at an end of the support, where x^(a-1) is 0, 1 or infinite.
double edgeDensity(double a, double atOne)
{
    return a > 1.0 ? 0.0 : (a == 1.0 ? atOne : kInfinity);
}

}  // namespace

Tails gammaTails(double x, double shape, double scale)
{
    return incompleteGamma(shape, x / scale);
}

double gammaDensity(double x, double shape, double scale)
{
    if (x < 0.0) {
        return 0.0;
    }
    if (x == 0.0) {
        return edgeDensity(shape, 1.0 / scale);
    }
    const double y = x / scale;
    return shape < 1.0 ? poissonTerm(shape, y) * shape / x : poissonTerm(shape - 1.0, y) / scale;
}

ContinuousLaw gammaLaw(double shape, double scale)
{
    return {[=](double x) { return gammaTails(x, shape, scale); },
            [=](double x) { return gammaDensity(x, shape, scale); }, 0.0, kInfinity};
}

Tails betaTails(double x, double a, double b)
{
    return incompleteBeta(a, b, x, 1.0 - x);
}

double betaDensity(double x, double a, double b)
{
    if (x < 0.0 || x > 1.0) {
        return 0.0;
    }
    if (x == 0.0) {
        return edgeDensity(a, b);
    }
    if (x == 1.0) {
        return edgeDensity(b, a);
    }
    const double y = 1.0 - x;
    // x^(a-1) y^(b-1) / B(a, b) = [x^a y^b / B(a, b)] / (x y)
    return binomialTerm(a, b, x, y) * (a * b / (a + b)) / (x * y);
}

ContinuousLaw betaLaw(double a, double b)
{
    return {[=](double x) { return betaTails(x, a, b); }, [=](double x) { return betaDensity(x, a, b); }, 0.0, 1.0};
}

// ln of Gamma((n+1)/2) / Gamma(n/2) - ln sqrt(n/2), as saddle-point terms
// so that large n loses nothing.
double studentLogRatio(double n)
{
    return -deviance(n / 2.0, (n + 1.0) / 2.0) + stirlingError((n + 1.0) / 2.0) - stirlingError(n / 2.0);
}

Tails studentTails(double t, double df)
{
    const double t2 = t * t;
    if (t2 > 1e300) {
        // So far out the tail is its leading term density * |t| / df, taken
        // in logarithms since t^2 itself overflows.
        const double u = df * (std::log(std::fabs(t)) - std::log(df) / 2.0);
        const double beyond = std::exp(studentLogRatio(df) - u - std::log(kSqrtTwoPi) - std::log(df) / 2.0);
        return t >= 0.0 ? Tails{1.0 - beyond, beyond} : Tails{beyond, 1.0 - beyond};
    }
    // I_w(df/2, 1/2) with w = df / (df + t^2) is the mass beyond |t| on both sides.
    const Tails inner = incompleteBeta(df / 2.0, 0.5, df / (df + t2), t2 / (df + t2));
    const double beyond = inner.lower / 2.0;
    const double within = 0.5 + inner.upper / 2.0;
    return t >= 0.0 ? Tails{within, beyond} : Tails{beyond, within};
}

// (1 + t^2/n)^(-(n+1)/2) is written as a deviance too where t^2/n is small.
double studentDensity(double t, double n)
{
    const double ratio = studentLogRatio(n);
    const double x2n = t * t / n;
    if (x2n > 1.0 / std::numeric_limits<double>::epsilon()) {
        const double u = n * (std::log(std::fabs(t)) - std::log(n) / 2.0);
        return std::exp(ratio - u) / kSqrtTwoPi * (std::sqrt(n) / std::fabs(t));
    }
    const double halfLog = x2n > 0.2 ? std::log(1.0 + x2n) / 2.0 : std::log1p(x2n) / 2.0;
    const double u = x2n > 0.2 ? n * halfLog : -deviance(n / 2.0, (n + t * t) / 2.0) + t * t / 2.0;
    return std::exp(ratio - u - halfLog) / kSqrtTwoPi;
}

double studentUpperQuantile(double p, double df)
{
    if (p >= 0.5) {
        return 0.0;
    }
    const ContinuousLaw law{[=](double t) { return studentTails(t, df); },
                            [=](double t) { return studentDensity(t, df); }, 0.0, kInfinity};
    return quantile(law, p, true);
}

Tails fisherTails(double x, double m, double n)
{
    if (x <= 0.0) {
        return {0.0, 1.0};
    }
    if (std::isinf(x)) {
        return {1.0, 0.0};
    }
    const double mx = m * x;
    return incompleteBeta(m / 2.0, n / 2.0, mx / (mx + n), n / (mx + n));
}

double fisherDensity(double x, double m, double n)
{
    if (x < 0.0) {
        return 0.0;
    }
    if (x == 0.0) {
        return m > 2.0 ? 0.0 : (m == 2.0 ? 1.0 : kInfinity);
    }
    const double f = 1.0 / (n + x * m);
    const double q = n * f;
    const double p = x * m * f;
    if (m >= 2.0) {
        return m * q / 2.0 * binomialTerm((m - 2.0) / 2.0, n / 2.0, p, q);
    }
    return m * m * q / (2.0 * p * (m + n)) * binomialTerm(m / 2.0, n / 2.0, p, q);
}

ContinuousLaw fisherLaw(double m, double n)
{
    return {[=](double x) { return fisherTails(x, m, n); }, [=](double x) { return fisherDensity(x, m, n); }, 0.0,
            kInfinity};
}

}  // namespace spreadsheet::special
