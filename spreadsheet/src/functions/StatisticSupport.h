#pragma once

#include "CallContext.h"

#include <spreadsheet/Value.h>

#include <optional>
#include <vector>

namespace spreadsheet::functions::stat {

using Numbers = std::vector<double>;

// The numbers of argument i as SUM reads them: referenced cells and array
// elements only when they are numbers, a written value converted.
std::optional<ErrorCode> numbersOf(const CallContext& context, int i, Numbers& out);
// The same for arguments first..last of the call.
std::optional<ErrorCode> numbersFrom(const CallContext& context, int first, Numbers& out);
// The reading of AVERAGEA and its kin: referenced booleans count as 1 or 0,
// referenced text as 0, written values are converted.
std::optional<ErrorCode> valuesA(const CallContext& context, Numbers& out);

double mean(const Numbers& x);
double sumOfSquaredDeviations(const Numbers& x);
// Sample (n - 1) or population (n) variance; #DIV/0! without enough numbers.
Value variance(const Numbers& x, bool sample);
Value deviation(const Numbers& x, bool sample);
Value median(Numbers x);
// The first value, in reading order, that occurs most often; #N/A when none repeats.
Value mostFrequent(const Numbers& x);
// The k-th largest or smallest; k is rounded up, as a rank.
Value kth(Numbers x, double k, bool largest);
Value percentileInclusive(Numbers x, double p);
Value percentileExclusive(Numbers x, double p);
Value quartile(Numbers x, double quart, bool exclusive);
Value product(const Numbers& x);
Value sum(const Numbers& x);

// The functions numbered as SUBTOTAL and AGGREGATE number them (1 AVERAGE ...
// 13 MODE.SNGL); countA is the number of non-empty values, for COUNTA.
Value summarize(int code, const Numbers& x, double countA);
// AGGREGATE's 14..19: LARGE, SMALL, PERCENTILE.INC, QUARTILE.INC,
// PERCENTILE.EXC, QUARTILE.EXC, with their second argument k.
Value summarizeWith(int code, const Numbers& x, double k);

}  // namespace spreadsheet::functions::stat
