#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

// Spread and shape of a sample.
Value stdevS(const CallContext& context);
Value stdevP(const CallContext& context);
Value varS(const CallContext& context);
Value varP(const CallContext& context);
Value stdevA(const CallContext& context);
Value stdevPA(const CallContext& context);
Value varA(const CallContext& context);
Value varPA(const CallContext& context);
Value averageA(const CallContext& context);
Value maxA(const CallContext& context);
Value minA(const CallContext& context);
Value aveDev(const CallContext& context);
Value devSq(const CallContext& context);
Value geoMean(const CallContext& context);
Value harMean(const CallContext& context);
Value kurt(const CallContext& context);
Value skew(const CallContext& context);
Value skewP(const CallContext& context);
Value standardize(const CallContext& context);
Value permut(const CallContext& context);
Value permutationA(const CallContext& context);

// Order statistics.
Value median(const CallContext& context);
Value modeSingle(const CallContext& context);
Value modeMultiple(const CallContext& context);
Value large(const CallContext& context);
Value small(const CallContext& context);
Value rankEq(const CallContext& context);
Value rankAvg(const CallContext& context);
Value percentileInc(const CallContext& context);
Value percentileExc(const CallContext& context);
Value quartileInc(const CallContext& context);
Value quartileExc(const CallContext& context);
Value percentRankInc(const CallContext& context);
Value percentRankExc(const CallContext& context);
Value trimMean(const CallContext& context);
Value frequency(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
