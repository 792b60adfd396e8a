#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <map>
#include <memory>
#include <utility>

namespace spreadsheet {

// An array that a formula laid out over the cells below and to the right of
// its own. The other cells of the area stay empty in the store: readers see
// the array's values through this table.
struct Spill {
    CellRange area;                            // the formula's cell at the top left
    std::shared_ptr<const ValueArray> values;  // null while the area is blocked (#SPILL!)
    bool fixed = false;                        // an array formula entered over a given range
};

class SpillTable {
public:
    bool empty() const { return spills_.empty(); }
    void clear() { spills_.clear(); }

    const Spill* anchoredAt(int row, int column) const;
    // The spill whose area, blocked or not, holds the cell; its own formula's
    // cell included.
    const Spill* covering(int row, int column, CellAddress* anchor = nullptr) const;
    // The value shown in a spilled cell other than the formula's own.
    const Value* valueAt(int row, int column) const;
    void set(int row, int column, Spill spill) { spills_[{column, row}] = std::move(spill); }
    void remove(int row, int column) { spills_.erase({column, row}); }
    // The last row and column a spilled area reaches; -1 when none.
    int lastRow() const;
    int lastColumn() const;

    // Spilled values inside a range, not counting the formulas' own cells.
    template <typename Visit>
    void forEachIn(const CellRange& range, Visit&& visit) const;
    // The formulas' cells of the spills whose areas meet a range.
    template <typename Visit>
    void forEachAnchorMeeting(const CellRange& range, Visit&& visit) const;

private:
    std::map<std::pair<int, int>, Spill> spills_;  // by (column, row) of the formula
};

inline bool meets(const CellRange& a, const CellRange& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

template <typename Visit>
void SpillTable::forEachIn(const CellRange& range, Visit&& visit) const
{
    for (const auto& [key, spill] : spills_) {
        if (!spill.values || !meets(spill.area, range)) {
            continue;
        }
        const CellRange& a = spill.area;
        for (int column = std::max(a.left, range.left); column <= std::min(a.right, range.right); ++column) {
            for (int row = std::max(a.top, range.top); row <= std::min(a.bottom, range.bottom); ++row) {
                if (row != a.top || column != a.left) {
                    visit(row, column, spill.values->at(row - a.top, column - a.left));
                }
            }
        }
    }
}

template <typename Visit>
void SpillTable::forEachAnchorMeeting(const CellRange& range, Visit&& visit) const
{
    for (const auto& [key, spill] : spills_) {
        if (meets(spill.area, range)) {
            visit(key.second, key.first);
        }
    }
}

}  // namespace spreadsheet
