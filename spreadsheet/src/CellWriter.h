#pragma once

#include "CellSnapshot.h"

#include <QString>

namespace spreadsheet {

class Sheet;

// The one way cell content and style are replaced: it keeps the calculator
// informed and records the change for undo when history is recording.
class CellWriter {
public:
    // Replaces content and style of one cell, as one history action unless an
    // action is already open.
    static void write(Sheet& sheet, int row, int column, CellSnapshot content, const QString& description);
    // Refuses a text longer than a cell holds, for every path that puts one in.
    static void checkTextLength(qsizetype length);
    static void writeStyle(Sheet& sheet, int row, int column, std::uint32_t style, const QString& description);
    // Removes content and style of every existing cell of an area.
    static void clearArea(Sheet& sheet, const CellRange& area, const QString& description);
    // Replaces the cell without recording anything (undo, redo and moves).
    static void put(Sheet& sheet, int row, int column, CellSnapshot content);
};

}  // namespace spreadsheet
