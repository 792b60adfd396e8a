#pragma once

#include "Cell.h"
#include "Formula.h"

#include <memory>

namespace spreadsheet {

class CellStore;

// A copy of one cell's content and style, for undo and for moving cells.
struct CellSnapshot {
    CellKind kind = CellKind::Empty;
    std::uint32_t style = 0;
    Value value;
    std::unique_ptr<Formula> formula;

    static CellSnapshot of(const Cell* cell);
    CellSnapshot copy() const;
    bool exists() const { return kind != CellKind::Empty || style != 0; }
    std::size_t memoryUsage() const;
};

}  // namespace spreadsheet
