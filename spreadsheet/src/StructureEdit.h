#pragma once

#include "Token.h"

#include <spreadsheet/Value.h>

#include <spreadsheet/CellRange.h>

namespace spreadsheet {

// Rows or columns inserted (count > 0) or deleted (count < 0) at an index of
// one sheet, over a span of the other axis: entire rows span every column,
// "shift cells down" over B2:C5 spans columns B to C.
struct StructureEdit {
    // Resized keeps both edges, so the inverse edit restores it; Cut lost an
    // edge inside a deleted span and cannot be restored that way.
    enum class Result { Unchanged, Moved, Resized, Cut, Lost };

    int sheetId = 0;
    bool rows = true;  // the axis along which cells move
    int index = 0;
    int count = 0;
    int spanFirst = 0;
    int spanLast = 0;

    bool isInsert() const { return count > 0; }
    int deleted() const { return count < 0 ? -count : 0; }
    bool spansAll() const { return spanFirst == 0 && spanLast >= (rows ? kMaxColumns : kMaxRows) - 1; }
    StructureEdit inverse() const;

    // A cell: false when it was deleted.
    bool adjustCell(int& row, int& column) const;
    // A rectangle; Lost when it was deleted whole.
    Result adjustRange(CellRange& range) const;
    // A reference token of a formula on the sheet with the given id.
    Result adjustToken(Token& token, int formulaSheetId) const;

private:
    Result adjustEdges(int& first, int& last) const;
};

}  // namespace spreadsheet
