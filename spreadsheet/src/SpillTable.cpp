#include "SpillTable.h"

#include <algorithm>

namespace spreadsheet {

const Spill* SpillTable::anchoredAt(int row, int column) const
{
    const auto it = spills_.find({column, row});
    return it == spills_.end() ? nullptr : &it->second;
}

const Spill* SpillTable::covering(int row, int column, CellAddress* anchor) const
{
    // Areas never overlap, and one starts at or before the cell's column.
    for (auto it = spills_.begin(); it != spills_.end() && it->first.first <= column; ++it) {
        const CellRange& a = it->second.area;
        if (row >= a.top && row <= a.bottom && column >= a.left && column <= a.right) {
            if (anchor) {
                *anchor = {it->first.second, it->first.first};
            }
            return &it->second;
        }
    }
    return nullptr;
}

int SpillTable::lastRow() const
{
    int last = -1;
    for (const auto& [key, spill] : spills_) {
        last = std::max(last, spill.area.bottom);
    }
    return last;
}

int SpillTable::lastColumn() const
{
    int last = -1;
    for (const auto& [key, spill] : spills_) {
        last = std::max(last, spill.area.right);
    }
    return last;
}

const Value* SpillTable::valueAt(int row, int column) const
{
    if (spills_.empty()) {
        return nullptr;
    }
    const Spill* spill = covering(row, column);
    if (!spill || !spill->values || (row == spill->area.top && column == spill->area.left)) {
        return nullptr;
    }
    return &spill->values->at(row - spill->area.top, column - spill->area.left);
}

}  // namespace spreadsheet
