#pragma once

#include "CallContext.h"

#include <spreadsheet/Value.h>

#include <optional>

namespace spreadsheet {

// One column (or row) of a referenced range in which a lookup searches:
// the first column for VLOOKUP, the first row for HLOOKUP, the whole
// one-dimensional range for MATCH.
class LookupVector {
public:
    // `line` is the absolute column (vertical) or row (horizontal) searched;
    // in an array argument, counted from 0.
    LookupVector(const CallContext& context, int arg, bool vertical, int line);

    // A reference argument's range, or an array's block from (0, 0).
    static CellRange extentOf(const CallContext& context, int arg);
    // A cell of that extent, read from the reference or the array.
    static Value valueAt(const CallContext& context, int arg, int row, int column);

    int size() const;
    Value at(int offset) const;
    bool contains(int row, int column) const;
    int offsetOf(int row, int column) const { return vertical_ ? row - range_.top : column - range_.left; }

    const CallContext& context() const { return context_; }
    int arg() const { return arg_; }
    bool isVertical() const { return vertical_; }
    int line() const { return line_; }
    const CellRange& range() const { return range_; }

    // The first offset holding the value; text compares without case and
    // with wildcards. -1 when absent.
    int findExact(const Value& value) const;
    // Binary search over sorted cells: the last one not above the value, or
    // with `descending` the last one not below it; -1 when there is none of
    // the value's type.
    int findSorted(const Value& value, bool descending) const;

private:
    template <typename Match>
    int scan(Match match) const;

    const CallContext& context_;
    int arg_;
    bool vertical_;
    int line_;
    CellRange range_;
    std::optional<ValueArray> array_;  // an array argument, read once
};

}  // namespace spreadsheet
