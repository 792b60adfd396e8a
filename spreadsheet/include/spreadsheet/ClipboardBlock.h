#pragma once

#include "CellRange.h"

#include <QByteArray>

#include <memory>

namespace spreadsheet {

class Sheet;
class Workbook;
struct ClipboardData;

// A copied (or cut) area: values, formulas, styles, merged areas and row and
// column sizes. It can be pasted as often as wanted, into any sheet of any
// workbook, and turned into bytes and back for keeping in a stream.
class ClipboardBlock {
public:
    ClipboardBlock();
    ~ClipboardBlock();
    ClipboardBlock(ClipboardBlock&&) noexcept;
    ClipboardBlock& operator=(ClipboardBlock&&) noexcept;

    static ClipboardBlock copy(const Sheet& sheet, const CellRange& area);
    // The first paste of a cut block moves the cells: references elsewhere
    // that pointed into the area follow them. Later pastes copy.
    static ClipboardBlock cut(Sheet& sheet, const CellRange& area);

    bool isEmpty() const;
    bool isCut() const;
    int rowCount() const;
    int columnCount() const;

    // Pastes with the area's top-left corner at (row, column). Relative
    // references shift by the distance from where the block was copied.
    // Throws SpreadsheetError, changing nothing, when the block would leave
    // the sheet or cover part of a merged area.
    void paste(Sheet& target, int row, int column);

    QByteArray toBytes() const;
    // Throws SpreadsheetError when the bytes are not a block.
    static ClipboardBlock fromBytes(const QByteArray& bytes);

private:
    std::unique_ptr<ClipboardData> d_;
};

}  // namespace spreadsheet
