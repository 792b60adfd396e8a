#pragma once

#include "CallContext.h"

#include <spreadsheet/Value.h>

#include <optional>

namespace spreadsheet {

// What the cells of a value range add up to at the positions that meet
// every (range, criterion) pair of a *IFS call.
struct CriteriaTotals {
    double sum = 0.0;
    double numbers = 0.0;  // value cells holding numbers
    double matched = 0.0;  // positions meeting every criterion
    double max = 0.0;      // of the numbers; 0 when there are none
    double min = 0.0;
    std::optional<ErrorCode> error;  // the first error among the value cells

    void add(const Value& v);
};

// Answers *IFS calls that share their ranges and all criteria but one
// equality (SUMIFS($B:$B;$A:$A;D1;$C:$C;">5") down a column) from one table
// per calculation pass: the totals for each value the varying criterion may
// equal. Building it costs one walk over the ranges; each call then costs a
// hash probe. The cells cannot change during a pass.
class CriteriaIndex {
public:
    // valueArg: the argument whose cells are totalled, or -1 (COUNTIFS);
    // the pairs start at argument firstPair. Nothing when the call cannot be
    // answered this way: no pass to cache under, no equality criterion, ranges
    // that are not references of one shape, or a shape met for the first time
    // (a lone formula is better served by a plain walk).
    static std::optional<CriteriaTotals> totals(const CallContext& context, int valueArg, int firstPair);
};

}  // namespace spreadsheet
