#pragma once

#include "SpecialFunctions.h"

// The continuous distributions behind the spreadsheet functions, as plain
// numbers: tails, densities and the laws the inverse search walks.
namespace spreadsheet::special {

Tails gammaTails(double x, double shape, double scale);
double gammaDensity(double x, double shape, double scale);
ContinuousLaw gammaLaw(double shape, double scale);

// Beta distribution on [0, 1].
Tails betaTails(double x, double a, double b);
double betaDensity(double x, double a, double b);
ContinuousLaw betaLaw(double a, double b);

// Student's t with df degrees of freedom (df may be fractional).
Tails studentTails(double t, double df);
double studentDensity(double t, double df);
// The t >= 0 whose upper tail is p, 0 < p <= 1/2.
double studentUpperQuantile(double p, double df);

// Snedecor's F with m and n degrees of freedom.
Tails fisherTails(double x, double m, double n);
double fisherDensity(double x, double m, double n);
ContinuousLaw fisherLaw(double m, double n);

}  // namespace spreadsheet::special
