#pragma once

#include <spreadsheet/CellRange.h>

namespace spreadsheet {
class Sheet;
class Workbook;
}  // namespace spreadsheet

namespace spreadsheet::widgets {

// The cells a view puts on the system clipboard: the engine's block under
// the program's own type, so that formulas, styles and merges survive a
// paste in any workbook of the program, beside tab-separated text and an
// HTML table for other programs.
class SystemClipboard {
public:
    static inline const char* const kMimeType = "application/x-darvelo-celulas";

    static void copy(const Sheet& sheet, const CellRange& area);
    // The cells move at the first paste; until then they stay where they are.
    static void cut(Sheet& sheet, const CellRange& area);
    // Pastes with the top-left corner at (row, column): the program's own
    // cells when the clipboard has them, otherwise its text. Gives the area
    // written, invalid when the clipboard held nothing to paste.
    static CellRange paste(Sheet& target, int row, int column);
    // The workbook is going away: a block cut from it can no longer move.
    static void forget(const Workbook* workbook);
};

}  // namespace spreadsheet::widgets
