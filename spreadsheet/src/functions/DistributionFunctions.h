#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

// Normal family, error function and the like (DistributionNormal.cpp).
Value normDist(const CallContext& context);
Value normInv(const CallContext& context);
Value normSDist(const CallContext& context);
Value normSDistLegacy(const CallContext& context);
Value normSInv(const CallContext& context);
Value logNormDist(const CallContext& context);
Value logNormDistLegacy(const CallContext& context);
Value logNormInv(const CallContext& context);
Value phi(const CallContext& context);
Value gauss(const CallContext& context);
Value errorFunction(const CallContext& context);
Value errorFunctionPrecise(const CallContext& context);
Value complementaryError(const CallContext& context);
Value fisher(const CallContext& context);
Value fisherInv(const CallContext& context);
Value confidenceNorm(const CallContext& context);

// Gamma, chi-square, exponential, Weibull and beta (DistributionGamma.cpp).
Value gammaFunction(const CallContext& context);
Value logGamma(const CallContext& context);
Value gammaDist(const CallContext& context);
Value gammaInv(const CallContext& context);
Value chiSqDist(const CallContext& context);
Value chiSqDistRt(const CallContext& context);
Value chiSqInv(const CallContext& context);
Value chiSqInvRt(const CallContext& context);
Value exponDist(const CallContext& context);
Value weibull(const CallContext& context);
Value betaDist(const CallContext& context);
Value betaDistLegacy(const CallContext& context);
Value betaInv(const CallContext& context);

// Student's t and Snedecor's F (DistributionStudent.cpp).
Value tDist(const CallContext& context);
Value tDist2T(const CallContext& context);
Value tDistRt(const CallContext& context);
Value tDistLegacy(const CallContext& context);
Value tInv(const CallContext& context);
Value tInv2T(const CallContext& context);
Value fDist(const CallContext& context);
Value fDistRt(const CallContext& context);
Value fInv(const CallContext& context);
Value fInvRt(const CallContext& context);
Value confidenceT(const CallContext& context);

// Tests over samples (DistributionTests.cpp).
Value tTest(const CallContext& context);
Value fTest(const CallContext& context);
Value chiSqTest(const CallContext& context);
Value zTest(const CallContext& context);
Value prob(const CallContext& context);

// Discrete distributions (DistributionDiscrete.cpp).
Value binomDist(const CallContext& context);
Value binomDistRange(const CallContext& context);
Value binomInv(const CallContext& context);
Value negBinomDist(const CallContext& context);
Value negBinomDistLegacy(const CallContext& context);
Value hypGeomDist(const CallContext& context);
Value hypGeomDistLegacy(const CallContext& context);
Value poissonDist(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
