#pragma once

#include <spreadsheet/Value.h>

#include <optional>

namespace spreadsheet {

// What SUM-, COUNT- and *IFS-like functions gather from cells, in reading
// order: after the first error nothing more is added.
struct RangeTotals {
    double sum = 0.0;
    double count = 0.0;  // numbers, or the cells or positions a function counts
    double max = 0.0;    // of the numbers; 0 when there are none
    double min = 0.0;
    std::optional<ErrorCode> error;
    // The numbers are integers (no -0) whose magnitudes add up to at most
    // 2^53: every partial sum is then exact, so totals of parts read in
    // another order add up to what one walk gives.
    bool orderFree = true;
    double magnitude = 0.0;

    void addNumber(double x);
    // Numbers count, errors stop; anything else is left out.
    void add(const Value& v);
    // Adds the totals of other cells, read before these ones (otherFirst)
    // or interleaved with them. False when the result would depend on the
    // order: sums that are not exact, or errors on both sides whose order
    // is not known.
    bool merge(const RangeTotals& other, bool otherFirst);
    // Takes out the totals of some of these cells, when what is left is
    // known exactly: no error among them, and exact sums. The extremes are
    // lost.
    bool subtract(const RangeTotals& part);
};

}  // namespace spreadsheet
