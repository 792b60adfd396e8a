#include "EngineeringFunctions.h"

#include "EngineeringArguments.h"

#include <cmath>
#include <numbers>

namespace spreadsheet::functions {

namespace {

using engineering::num;
using std::numbers::pi;

// Up to this the power series of J0, J1, Y0 and Y1 lose less than 1e-13 to
// cancellation; from the second limit on, Hankel's expansion is exact to
// double precision. Between them a backward recurrence gives all four.
constexpr double kSeriesLimit = 8.0;
constexpr double kAsymptoticLimit = 25.0;
// Orders above this cost too much to recur to and are refused.
constexpr double kMaxOrder = 1e6;

// sum_k (-1)^k (x/2)^(2k+n) / (k! (n+k)!) for n = 0 or 1.
double besselJSeries(double x, int n)
{
    const double q = -x * x / 4.0;
    double term = n == 0 ? 1.0 : x / 2.0;
    double sum = term;
    for (int k = 1; k < 200 && std::fabs(term) > 1e-17 * std::fabs(sum); ++k) {
        term *= q / (k * (k + n));
        sum += term;
    }
    return sum;
}

// Y0 and Y1 from their series around zero, x > 0:
// Y_n = (2/pi) ln(x/2) J_n - (1/pi) (x/2)^n sum_k [psi(k+1) + psi(n+k+1)]
//       (-x^2/4)^k / (k! (n+k)!), with -(2/(pi x)) more for n = 1.
double besselYSeries(double x, int n)
{
    constexpr double kEuler = std::numbers::egamma;
    const double q = -x * x / 4.0;
    double term = n == 0 ? 1.0 : x / 2.0;  // (x/2)^n (-x^2/4)^k / (k! (n+k)!)
    double harmonicK = 0.0;                // H_k
    double harmonicNK = n == 0 ? 0.0 : 1.0;  // H_{n+k}
    double sum = term * (harmonicK + harmonicNK - 2.0 * kEuler);
    for (int k = 1; k < 200; ++k) {
        term *= q / (k * (k + n));
        harmonicK += 1.0 / k;
        harmonicNK += 1.0 / (k + n);
        const double add = term * (harmonicK + harmonicNK - 2.0 * kEuler);
        sum += add;
        if (std::fabs(add) <= 1e-17 * std::fabs(sum)) {
            break;
        }
    }
    double y = 2.0 / pi * std::log(x / 2.0) * besselJSeries(x, n) - sum / pi;
    if (n == 1) {
        y -= 2.0 / (pi * x);
    }
    return y;
}

// J0, J1, Y0 and Y1 at one x.
struct LowOrders {
    double j0;
    double j1;
    double y0;
    double y1;
};

// J and Y of orders 0 and 1 from Hankel's expansion, for large x:
// J = sqrt(2/(pi x)) (P cos w - Q sin w), Y = sqrt(2/(pi x)) (P sin w + Q cos w),
// w = x - (n/2 + 1/4) pi. cos w and sin w come from cos x and sin x, which
// keeps them precise for large x.
void besselHankel(double x, int n, double& j, double& y)
{
    const double mu = 4.0 * n * n;
    double p = 1.0;
    double q = 0.0;
    double term = 1.0;
    double previous = INFINITY;
    for (int k = 1; k < 60; ++k) {
        term *= (mu - (2.0 * k - 1.0) * (2.0 * k - 1.0)) / (k * 8.0 * x);
        if (std::fabs(term) >= previous || std::fabs(term) < 1e-17) {
            break;  // the expansion diverges from its smallest term on
        }
        previous = std::fabs(term);
        // P takes the even terms, Q the odd ones, each with alternating signs.
        (k % 2 == 0 ? p : q) += (k / 2) % 2 == 0 ? term : -term;
    }
    const double phase = (n / 2.0 + 0.25) * pi;
    const double c = std::cos(x) * std::cos(phase) + std::sin(x) * std::sin(phase);
    const double s = std::sin(x) * std::cos(phase) - std::cos(x) * std::sin(phase);
    const double scale = std::sqrt(2.0 / (pi * x));
    j = scale * (p * c - q * s);
    y = scale * (p * s + q * c);
}

// Rescaling threshold of the backward recurrences, far from overflow.
constexpr double kBig = 1e100;

// J_k for all k from a start well above x down to 0 by Miller's backward
// recurrence, normalized with J0 + 2 (J2 + J4 + ...) = 1; Y0 and Y1 then
// follow from Neumann's sums
//   Y0 = (2/pi) (ln(x/2) + gamma) J0 - (4/pi) sum_k (-1)^k J_2k / k,
//   Y1 = -2/(pi x) J0 + (2/pi) (ln(x/2) + gamma - 1) J1
//        - (2/pi) sum_k (-1)^k (2k+1) J_(2k+1) / (k (k+1)),
// whose terms stay small, unlike those of the power series.
LowOrders besselMiller(double x)
{
    const int start = 2 * ((static_cast<int>(x) + 20 + static_cast<int>(std::sqrt(160.0 * (x + 1.0)))) / 2);
    double next = 0.0;  // J_{j+1}, up to a common factor
    double current = 1.0;
    double norm = 0.0;
    double even = 0.0;  // sum (-1)^k J_2k / k
    double odd = 0.0;   // sum (-1)^k (2k+1) J_(2k+1) / (k (k+1))
    for (int j = start; j > 0; --j) {
        const double previous = 2.0 * j / x * current - next;
        next = current;
        current = previous;
        if (std::fabs(current) > kBig) {
            current /= kBig;
            next /= kBig;
            norm /= kBig;
            even /= kBig;
            odd /= kBig;
        }
        const int order = j - 1;  // of current
        const int k = order / 2;
        const double sign = k % 2 == 0 ? 1.0 : -1.0;
        if (order % 2 == 0 && k > 0) {
            norm += 2.0 * current;
            even += sign * current / k;
        } else if (order % 2 == 1 && k > 0) {
            odd += sign * (2.0 * k + 1.0) * current / (k * (k + 1.0));
        }
    }
    norm += current;
    const double j0 = current / norm;
    const double j1 = next / norm;
    const double logTerm = std::log(x / 2.0) + std::numbers::egamma;
    const double y0 = 2.0 / pi * logTerm * j0 - 4.0 / pi * even / norm;
    const double y1 = -2.0 / (pi * x) * j0 + 2.0 / pi * (logTerm - 1.0) * j1 - 2.0 / pi * odd / norm;
    return {j0, j1, y0, y1};
}

LowOrders lowOrders(double x)
{
    if (x <= kSeriesLimit) {
        return {besselJSeries(x, 0), besselJSeries(x, 1), besselYSeries(x, 0), besselYSeries(x, 1)};
    }
    if (x <= kAsymptoticLimit) {
        return besselMiller(x);
    }
    LowOrders low{};
    besselHankel(x, 0, low.j0, low.y0);
    besselHankel(x, 1, low.j1, low.y1);
    return low;
}

// J_n(x) for x > 0 and n > x by the same backward recurrence, started above
// n; recurring downward keeps the wanted solution.
double besselJMiller(double x, int n)
{
    const int start = 2 * ((n + static_cast<int>(std::sqrt(160.0 * n))) / 2);
    double next = 0.0;  // J_{j+1}, up to a common factor
    double current = 1.0;
    double sum = 0.0;
    double wanted = 0.0;
    for (int j = start; j > 0; --j) {
        const double previous = 2.0 * j / x * current - next;
        next = current;
        current = previous;
        if (std::fabs(current) > kBig) {
            current /= kBig;
            next /= kBig;
            wanted /= kBig;
            sum /= kBig;
        }
        if (j % 2 == 1) {
            sum += current;  // current is J_{j-1}, of even order
        }
        if (j == n) {
            wanted = next;
        }
    }
    return wanted / (2.0 * sum - current);
}

// Forward recurrence f_{k+1} = (2k/x) f_k - f_{k-1}, stable for Y always and
// for J while k < x.
double recurUp(double f0, double f1, double x, int n)
{
    if (n == 0) {
        return f0;
    }
    for (int k = 1; k < n; ++k) {
        const double f2 = 2.0 * k / x * f1 - f0;
        f0 = f1;
        f1 = f2;
    }
    return f1;
}

// (x/2)^n / n!, all of J_n and I_n that a tiny x leaves.
double leadingTerm(double x, int n)
{
    double term = 1.0;
    for (int k = 1; k <= n && term != 0.0; ++k) {
        term *= x / 2.0 / k;
    }
    return term;
}

double besselJValue(double x, int n)
{
    // J_n(-x) = (-1)^n J_n(x).
    const double sign = x < 0.0 && n % 2 == 1 ? -1.0 : 1.0;
    x = std::fabs(x);
    if (x < 1e-10) {
        return sign * leadingTerm(x, n);
    }
    if (n > x) {
        return sign * besselJMiller(x, n);
    }
    const LowOrders low = lowOrders(x);
    return sign * recurUp(low.j0, low.j1, x, n);
}

// K0 and K1 from K_v(x) = integral over t > 0 of exp(-x cosh t) cosh(v t):
// the trapezoid rule converges geometrically on such an integrand. The
// factor exp(-x) is taken out to put off underflow.
double besselKLow(double x, int n)
{
    constexpr double kStep = 0.02;
    double sum = 0.5;
    for (int k = 1; k < 100000; ++k) {
        const double t = k * kStep;
        const double f = std::exp(-x * (std::cosh(t) - 1.0)) * (n == 0 ? 1.0 : std::cosh(t));
        sum += f;
        if (f < 1e-18 * sum) {
            break;
        }
    }
    return sum * kStep * std::exp(-x);
}

// I_n(x) = sum_k (x/2)^(2k+n) / (k! (n+k)!): all terms positive for x > 0.
double besselIValue(double x, int n)
{
    const double sign = x < 0.0 && n % 2 == 1 ? -1.0 : 1.0;
    const double half = std::fabs(x) / 2.0;
    double term = leadingTerm(std::fabs(x), n);
    double sum = term;
    const double q = half * half;
    for (int k = 1; term > 1e-17 * sum && k < 100000; ++k) {
        term *= q / (static_cast<double>(k) * (k + n));
        sum += term;
    }
    return sign * sum;
}

// Reads x and the order n, truncated; the order must not be negative.
template <typename F>
Value bessel(const CallContext& context, bool positiveX, F f)
{
    ArgumentReader args(context);
    const double x = engineering::number(args, context, 0);
    const double n = std::trunc(engineering::number(args, context, 1));
    if (args.failed()) {
        return args.error();
    }
    if (n < 0.0 || n > kMaxOrder || (positiveX && x <= 0.0)) {
        return num();
    }
    return engineering::result(f(x, static_cast<int>(n)));
}

}  // namespace

Value besselJ(const CallContext& context)
{
    return bessel(context, false, [](double x, int n) { return besselJValue(x, n); });
}

Value besselY(const CallContext& context)
{
    return bessel(context, true, [](double x, int n) {
        const LowOrders low = lowOrders(x);
        return recurUp(low.y0, low.y1, x, n);
    });
}

Value besselI(const CallContext& context)
{
    return bessel(context, false, [](double x, int n) { return besselIValue(x, n); });
}

// K_{k+1} = K_{k-1} + (2k/x) K_k, stable upward.
Value besselK(const CallContext& context)
{
    return bessel(context, true, [](double x, int n) {
        double k0 = besselKLow(x, 0);
        double k1 = besselKLow(x, 1);
        if (n == 0) {
            return k0;
        }
        for (int k = 1; k < n; ++k) {
            const double k2 = k0 + 2.0 * k / x * k1;
            k0 = k1;
            k1 = k2;
        }
        return k1;
    });
}

}  // namespace spreadsheet::functions
