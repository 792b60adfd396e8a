#pragma once

#include "RangeTotals.h"

#include <spreadsheet/CellRange.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace spreadsheet {

class CallContext;

// What a function gathers from its ranges: calls share totals only when
// they gather alike. Totals without extremes may come from subtraction.
enum class TotalsOf : std::uint8_t {
    NumberSum,
    NumberExtremes,
    Numbers,
    Filled,
    CriteriaCount,
    CriteriaSum,
    IfsSum,
    IfsExtremes,
    IfsCount,
};

// The order in which a function reads the cells of its ranges.
enum class ReadingOrder : std::uint8_t { ByColumns, ByRows };

// Totals that functions derived from ranges in this calculation pass, kept
// so that a call over a range that extends an earlier one (SUM($A$1:A9)
// after SUM($A$1:A8)) reads only the new cells. The evaluator owns one and
// empties it at every pass; the cells read stay as they are until then.
// The last few calls are kept: a column of running totals is calculated
// row after row, and a call that extends nothing costs a short scan.
class RangeReuse {
public:
    // Continues totals over the cells of a call whose ranges were cut to
    // some of their cells, in the function's reading order.
    using Walk = std::function<void(const CallContext& part, RangeTotals& totals)>;

    // The totals of the call, from an earlier call where one fits, else
    // from a walk over all its cells. Nothing when the call does not fit:
    // its ranges (the arguments in `ranges`) are not single areas of one
    // shape, or a sheet holds spilled arrays (read after its cells, so out
    // of order). Without extremes (MIN, MAX) a call may also be answered
    // from a larger range less the cells this one leaves out.
    std::optional<RangeTotals> totals(const CallContext& context, TotalsOf function, std::span<const int> ranges,
                                      ReadingOrder order, bool withExtremes, const Walk& walk);
    void clear();

    // Reuse can be switched off, so that results can be compared with a
    // plain evaluation of every call.
    static void setEnabled(bool enabled);
    static bool enabled();

private:
    struct Call {
        TotalsOf function = TotalsOf::NumberSum;
        std::vector<const void*> sheets;
        std::vector<CellRange> ranges;
        std::vector<Value> others;  // the other arguments, in order
        RangeTotals totals;
        std::uint64_t used = 0;
    };

    bool sameCall(const Call& earlier) const;
    std::optional<RangeTotals> fromEarlier(const CallContext& context, const Call& earlier, std::span<const int> ranges,
                                           ReadingOrder order, bool withExtremes, const Walk& walk) const;
    Call& leastRecent();

    std::vector<Call> calls_;
    Call wanted_;  // the call being answered, kept to reuse its buffers
    std::uint64_t uses_ = 0;
};

}  // namespace spreadsheet
