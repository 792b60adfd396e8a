#pragma once

#include "CellStore.h"
#include "SpillTable.h"

#include <map>
#include <vector>

namespace spreadsheet {

// Size and visibility of a row or column that differs from the default.
struct LineFormat {
    int size = -1;  // -1: the default size
    bool hidden = false;
    bool pageBreak = false;  // rows: a printed page starts here
};

// The private state of a Sheet that the engine's internals work on directly.
class SheetData {
public:
    CellStore cells;
    std::map<int, LineFormat> rows;
    std::map<int, LineFormat> columns;
    std::vector<CellRange> merges;  // disjoint
    SpillTable spills;
};

}  // namespace spreadsheet
