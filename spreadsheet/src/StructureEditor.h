#pragma once

#include "CellSnapshot.h"
#include "SheetData.h"
#include "StructureEdit.h"

#include <spreadsheet/DefinedName.h>

#include <map>
#include <optional>
#include <vector>

namespace spreadsheet {

class Sheet;
class Workbook;

// What an inverse edit alone cannot bring back: cells that were deleted and
// formulas, merges, sizes and names that lost an edge inside a deleted span.
struct StructureUndo {
    struct PlacedCell {
        int row;
        int column;
        int sheetId;
        CellSnapshot content;
    };
    std::vector<PlacedCell> cells;  // at their places before the edit
    std::vector<CellRange> merges;
    std::optional<std::map<int, LineFormat>> lines;  // of the edit's axis, for whole rows or columns
    bool linesAreRows = true;
    std::optional<std::vector<DefinedName>> names;
    std::size_t memoryUsage() const;
};

// Inserts and deletes rows, columns and cells, adjusting every reference to
// the moved cells: in formulas on every sheet, in defined names, in merges.
class StructureEditor {
public:
    // Throws SpreadsheetError, before changing anything, when the edit would
    // push cells off the sheet or split a merged area.
    static void validate(const Sheet& sheet, const StructureEdit& edit);
    // Applies a validated edit; fills `undo` when given.
    static void apply(Sheet& sheet, const StructureEdit& edit, StructureUndo* undo);
    // Puts back what `undo` kept, after the inverse edit was applied.
    static void restore(Sheet& sheet, const StructureUndo& undo);
};

}  // namespace spreadsheet
