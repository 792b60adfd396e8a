// The inverse search behind GAMMA.INV, BETA.INV, F.INV and the t and
// chi-square quantiles, over parameters and probabilities no single table
// line reaches: the quantile must give back its probability.
#include "functions/DistributionLaws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace spreadsheet::special;

struct NamedLaw {
    std::string name;
    ContinuousLaw law;
};

std::vector<NamedLaw> laws()
{
    std::vector<NamedLaw> all;
    for (double shape : {0.05, 0.5, 1.0, 7.5, 400.0}) {
        all.push_back({"gamma " + std::to_string(shape), gammaLaw(shape, 2.0)});
    }
    for (double a : {0.2, 1.0, 30.0}) {
        for (double b : {0.5, 4.0, 900.0}) {
            all.push_back({"beta " + std::to_string(a) + " " + std::to_string(b), betaLaw(a, b)});
        }
    }
    for (double m : {1.0, 5.0, 120.0}) {
        all.push_back({"F " + std::to_string(m), fisherLaw(m, 9.0)});
    }
    return all;
}

TEST(DistributionQuantiles, GiveBackTheirProbabilityInBothTails)
{
    for (const NamedLaw& entry : laws()) {
        for (double p : {1e-250, 1e-30, 1e-6, 0.01, 0.3, 0.5}) {
            for (bool upper : {false, true}) {
                const double x = quantile(entry.law, p, upper);
                ASSERT_TRUE(std::isfinite(x)) << entry.name << " p=" << p << " upper=" << upper;
                const Tails t = entry.law.tails(x);
                const double back = upper ? t.upper : t.lower;
                // Near 0, or near the end of a bounded support, the last bits
                // of x move the tail by more than the precision asked here.
                const double reach = entry.law.density(x) * 8.0 * std::numeric_limits<double>::epsilon() * x;
                if (x > 1e-300) {
                    EXPECT_LE(std::fabs(back - p), 1e-9 * p + reach)
                        << entry.name << " p=" << p << " upper=" << upper << " x=" << x;
                }
            }
        }
    }
}

TEST(DistributionQuantiles, StudentUpperTailIsInvertedFarOut)
{
    for (double df : {1.0, 2.5, 40.0, 1e6}) {
        for (double p : {1e-200, 1e-12, 0.2, 0.4999}) {
            const double t = studentUpperQuantile(p, df);
            EXPECT_NEAR(studentTails(t, df).upper / p, 1.0, 1e-9) << "df=" << df << " p=" << p;
        }
    }
}

}  // namespace
