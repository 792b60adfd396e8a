#pragma once

#include <functional>

// The special functions the statistical distributions rest on. Terms of the
// form x^a e^-x / Gamma(a+1) are computed as saddle-point expansions (a
// Stirling remainder and a deviance) rather than as differences of large
// logarithms, so that they keep their relative precision for large
// parameters too.
namespace spreadsheet::special {

// Both tails of a distribution at one point, each computed directly so that
// a small tail keeps its relative precision.
struct Tails {
    double lower = 0.0;
    double upper = 1.0;
};

// ln Gamma(n + 1) - (n + 1/2) ln n + n - ln sqrt(2 pi), for n > 0.
double stirlingError(double n);
// x ln(x / m) + m - x without the cancellation near x = m.
double deviance(double x, double m);
// p^k q^m (k + m)! / (k! m!) for real k, m >= 0 (binomial term, k successes
// and m failures); q = 1 - p is passed to keep its precision.
double binomialTerm(double k, double m, double p, double q);
// lambda^x e^-lambda / Gamma(x + 1) for real x >= 0.
double poissonTerm(double x, double lambda);

// Regularized incomplete gamma functions P(a, x) and Q(a, x), a > 0.
Tails incompleteGamma(double a, double x);
// Regularized incomplete beta function I_x(a, b) and 1 - I_x(a, b); y = 1 - x
// is passed to keep its precision.
Tails incompleteBeta(double a, double b, double x, double y);

// The standard normal distribution.
double normalDensity(double z);
Tails normalTails(double z);
// The z with lower tail p, 0 < p < 1.
double normalQuantile(double p);

// A continuous distribution as the inverse search sees it: its tails, its
// density and its support.
struct ContinuousLaw {
    std::function<Tails(double)> tails;
    std::function<double(double)> density;
    double low = 0.0;
    double high = 0.0;  // may be infinite
};

// The x where the lower tail (or the upper one) equals p, 0 <= p <= 1; NaN
// when the search does not settle.
double quantile(const ContinuousLaw& law, double p, bool upperTail);

}  // namespace spreadsheet::special
