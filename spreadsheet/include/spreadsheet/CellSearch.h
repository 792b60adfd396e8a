#pragma once

#include "FormulaConvention.h"

#include <QString>

#include <optional>

namespace spreadsheet {

class Workbook;

// What find and replace look for. In formulas, a formula cell is matched
// by its text as the user types it (in the convention given) and every
// other cell by its edit text; in values, every cell by the text it shows.
struct SearchOptions {
    QString text;
    bool inFormulas = false;
    bool matchCase = false;
    bool wholeCell = false;
    bool wholeWorkbook = false;  // otherwise only the sheet the search starts on
    FormulaConvention convention = FormulaConvention::Brazilian;
};

struct CellPosition {
    int sheet = 0;
    int row = 0;
    int column = 0;
    bool operator==(const CellPosition&) const = default;
};

// Find and replace over a sheet or a whole workbook, row by row within a
// sheet and sheet by sheet, wrapping round at the end.
class CellSearch {
public:
    // The next (or previous) matching cell after `from`, which itself comes
    // last; nothing when no cell matches.
    static std::optional<CellPosition> find(const Workbook& workbook, const SearchOptions& options, CellPosition from,
                                            bool forward = true);
    // Replaces the matches in one cell, if it matches; a formula is read
    // again from its new text. Replacing in values changes only cells that
    // hold no formula. Returns whether the cell changed.
    static bool replace(Workbook& workbook, const SearchOptions& options, const CellPosition& at,
                        const QString& replacement);
    // Every match, as one undoable action; returns how many cells changed.
    static int replaceAll(Workbook& workbook, const SearchOptions& options, int startSheet, const QString& replacement);
};

}  // namespace spreadsheet
