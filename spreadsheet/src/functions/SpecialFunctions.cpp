#include "SpecialFunctions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spreadsheet::special {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr double kTiny = 1e-300;  // keeps the continued fractions away from a division by zero
constexpr double kLnTwoPi = 1.837877066409345483560659472811;
constexpr double kSqrtTwoPi = 2.506628274631000502415765284811;
constexpr double kSqrtHalf = 0.707106781186547524400844362105;
constexpr int kMaxTerms = 1000000;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Asymptotic series of the Stirling remainder, exact to the last bit past 15.
double stirlingSeries(double n)
{
    constexpr double s0 = 1.0 / 12.0;
    constexpr double s1 = 1.0 / 360.0;
    constexpr double s2 = 1.0 / 1260.0;
    constexpr double s3 = 1.0 / 1680.0;
    constexpr double s4 = 1.0 / 1188.0;
    const double nn = n * n;
    return (s0 - (s1 - (s2 - (s3 - s4 / nn) / nn) / nn) / nn) / n;
}

// Sum of x^n / ((a+1)...(a+n)), the series of P(a, x) once x^a e^-x / Gamma(a+1) is taken out.
double gammaSeries(double a, double x)
{
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n < kMaxTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (term <= sum * kEpsilon) {
            break;
        }
    }
    return sum;
}

// Continued fraction of Q(a, x) once x^a e^-x / Gamma(a) is taken out (modified Lentz).
double gammaFraction(double a, double x)
{
    double b = x + 1.0 - a;
    double c = 1.0 / kTiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < kMaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        d = std::fabs(d) < kTiny ? kTiny : d;
        c = b + an / c;
        c = std::fabs(c) < kTiny ? kTiny : c;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) <= kEpsilon) {
            break;
        }
    }
    return h;
}

double lentzStep(double aa, double& c, double& d)
{
    d = 1.0 + aa * d;
    d = std::fabs(d) < kTiny ? kTiny : d;
    c = 1.0 + aa / c;
    c = std::fabs(c) < kTiny ? kTiny : c;
    d = 1.0 / d;
    return d * c;
}

// Continued fraction of I_x(a, b) once x^a (1-x)^b / (a B(a, b)) is taken out.
double betaFraction(double a, double b, double x)
{
    double c = 1.0;
    double d = 1.0 - (a + b) * x / (a + 1.0);
    d = std::fabs(d) < kTiny ? kTiny : d;
    d = 1.0 / d;
    double h = d;
    for (int m = 1; m < kMaxTerms; ++m) {
        const double m2 = 2.0 * m;
        h *= lentzStep(m * (b - m) * x / ((a - 1.0 + m2) * (a + m2)), c, d);
        const double step = lentzStep(-(a + m) * (a + b + m) * x / ((a + m2) * (a + 1.0 + m2)), c, d);
        h *= step;
        if (std::fabs(step - 1.0) <= kEpsilon) {
            break;
        }
    }
    return h;
}

// Rational first guess of the normal quantile (relative error below 1.2e-9),
// for p <= 0.5.
double normalGuess(double p)
{
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02, -2.759285104469687e+02,
                                   1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                   6.680131188771972e+01,  -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                   -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                   3.754408661907416e+00};
    if (p < 0.02425) {
        const double q = std::sqrt(-2.0 * std::log(p));
        return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5])
               / ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1.0);
    }
    const double q = p - 0.5;
    const double r = q * q;
    return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q
           / (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1.0);
}

// A point strictly inside (lo, hi), geometric while the bracket spans
// orders of magnitude so that tiny or huge answers are reached quickly.
double splitPoint(double lo, double hi)
{
    if (lo > 0.0 && hi > 4.0 * lo) {
        return std::sqrt(lo) * std::sqrt(hi);
    }
    if (lo == 0.0 && hi > 0.0) {
        return hi / 8.0;
    }
    return lo + (hi - lo) / 2.0;
}

}  // namespace

double stirlingError(double n)
{
    // Below 15 the series is not exact yet: step up with
    // se(n) = se(n + 1) + (n + 1/2) ln(1 + 1/n) - 1, whose terms are small.
    double sum = 0.0;
    while (n <= 15.0) {
        sum += (n + 0.5) * std::log1p(1.0 / n) - 1.0;
        n += 1.0;
    }
    return sum + stirlingSeries(n);
}

double deviance(double x, double m)
{
    if (x == 0.0) {
        return m;
    }
    if (std::fabs(x - m) < 0.1 * (x + m)) {
        double v = (x - m) / (x + m);
        double sum = (x - m) * v;
        double term = 2.0 * x * v;
        v *= v;
        for (int j = 1; j < 1000; ++j) {
            term *= v;
            const double next = sum + term / (2 * j + 1);
            if (next == sum) {
                return next;
            }
            sum = next;
        }
        return sum;
    }
    // The ratio keeps the most digits; only where it overflows or underflows
    // are the logarithms taken apart.
    const double ratio = x / m;
    const double logRatio = std::isfinite(ratio) && ratio > 0.0 ? std::log(ratio) : std::log(x) - std::log(m);
    return x * logRatio + m - x;
}

double binomialTerm(double k, double m, double p, double q)
{
    if (p == 0.0) {
        return k == 0.0 ? 1.0 : 0.0;
    }
    if (q == 0.0) {
        return m == 0.0 ? 1.0 : 0.0;
    }
    const double n = k + m;
    if (k == 0.0) {
        return std::exp(p < 0.1 ? -deviance(n, n * q) - n * p : n * std::log(q));
    }
    if (m == 0.0) {
        return std::exp(q < 0.1 ? -deviance(n, n * p) - n * q : n * std::log(p));
    }
    const double lc = stirlingError(n) - stirlingError(k) - stirlingError(m) - deviance(k, n * p) - deviance(m, n * q);
    const double lf = kLnTwoPi + std::log(k) + std::log(m) - std::log(n);
    return std::exp(lc - 0.5 * lf);
}

double poissonTerm(double x, double lambda)
{
    if (lambda == 0.0) {
        return x == 0.0 ? 1.0 : 0.0;
    }
    if (x < 0.0 || std::isinf(lambda)) {
        return 0.0;
    }
    if (x <= lambda * std::numeric_limits<double>::min()) {
        return std::exp(-lambda);
    }
    if (lambda < x * std::numeric_limits<double>::min()) {
        return std::exp(-lambda + x * std::log(lambda) - std::lgamma(x + 1.0));
    }
    return std::exp(-stirlingError(x) - deviance(x, lambda)) / (kSqrtTwoPi * std::sqrt(x));
}

Tails incompleteGamma(double a, double x)
{
    if (x <= 0.0) {
        return {0.0, 1.0};
    }
    if (std::isinf(x)) {
        return {1.0, 0.0};
    }
    if (x < a + 1.0) {
        const double lower = poissonTerm(a, x) * gammaSeries(a, x);
        return {lower, 1.0 - lower};
    }
    const double upper = a * poissonTerm(a, x) * gammaFraction(a, x);
    return {1.0 - upper, upper};
}

Tails incompleteBeta(double a, double b, double x, double y)
{
    if (x <= 0.0) {
        return {0.0, 1.0};
    }
    if (y <= 0.0) {
        return {1.0, 0.0};
    }
    if (x < (a + 1.0) / (a + b + 2.0)) {
        const double lower = binomialTerm(a, b, x, y) * b / (a + b) * betaFraction(a, b, x);
        return {lower, 1.0 - lower};
    }
    const double upper = binomialTerm(b, a, y, x) * a / (a + b) * betaFraction(b, a, y);
    return {1.0 - upper, upper};
}

double normalDensity(double z)
{
    return std::exp(-0.5 * z * z) / kSqrtTwoPi;
}

Tails normalTails(double z)
{
    return {0.5 * std::erfc(-z * kSqrtHalf), 0.5 * std::erfc(z * kSqrtHalf)};
}

double normalQuantile(double p)
{
    if (!(p > 0.0 && p < 1.0)) {
        return kNaN;
    }
    if (p > 0.5) {
        return -normalQuantile(1.0 - p);  // 1 - p is exact here
    }
    // Two Halley steps take the guess to full precision.
    double z = normalGuess(p);
    for (int i = 0; i < 2; ++i) {
        const double density = normalDensity(z);
        if (density == 0.0) {
            break;
        }
        const double u = (normalTails(z).lower - p) / density;
        z -= u / (1.0 + 0.5 * z * u);
    }
    return z;
}

double quantile(const ContinuousLaw& law, double p, bool upperTail)
{
    if (!(p >= 0.0 && p <= 1.0)) {
        return kNaN;
    }
    if (p > 0.5) {
        // Aim at the smaller tail, which the laws compute to full relative precision.
        p = 1.0 - p;
        upperTail = !upperTail;
    }
    if (p == 0.0) {
        return upperTail ? law.high : law.low;
    }
    const auto tailAt = [&](double x) {
        const Tails t = law.tails(x);
        return upperTail ? t.upper : t.lower;
    };
    // The answer lies above x when its tail is on this side of p.
    const auto belowAnswer = [&](double tail) { return upperTail ? tail > p : tail < p; };
    double lo = law.low;
    double hi = law.high;
    if (std::isinf(hi)) {
        hi = lo + 1.0;
        while (belowAnswer(tailAt(hi))) {
            lo = hi;
            hi *= 4.0;
            if (hi > 1e300) {
                return kNaN;
            }
        }
    }
    double x = splitPoint(lo, hi);
    for (int i = 0; i < 2000; ++i) {
        const double tail = tailAt(x);
        if (tail == p) {
            return x;
        }
        (belowAnswer(tail) ? lo : hi) = x;
        // Newton on the logarithm of the tail: nearly linear far out in a tail.
        // A lower tail near a support that starts at 0 behaves as a power of
        // x, so there the step is taken on ln x.
        const double density = law.density(x);
        const double ratio = (std::log(tail) - std::log(p)) * tail / density;
        double next = upperTail ? x + ratio : (x > 0.0 && law.low == 0.0 ? x * std::exp(-ratio / x) : x - ratio);
        if (!(next > lo && next < hi)) {
            next = splitPoint(lo, hi);
        }
        if (std::fabs(next - x) <= 4.0 * kEpsilon * std::fabs(x) || hi - lo <= 4.0 * kEpsilon * std::fabs(hi)) {
            // The tail may miss p by what the last bits of x move it, no more:
            // a larger miss means the tail underflowed on the way. An answer
            // closer to 0, or to the end of a bounded support, than a double
            // tells apart is taken as it is.
            const double reach = density * 8.0 * kEpsilon * std::fabs(x);
            const bool fits = std::fabs(tail - p) <= 1e-9 * p + reach || std::fabs(next) < std::numeric_limits<double>::min()
                              || law.high - next <= 4.0 * kEpsilon * law.high;
            return fits ? next : kNaN;
        }
        x = next;
    }
    return kNaN;
}

}  // namespace spreadsheet::special
