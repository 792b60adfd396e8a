#pragma once

#include <spreadsheet/CellRange.h>

#include <QKeySequence>

#include <optional>

namespace spreadsheet {
class Sheet;
}

namespace spreadsheet::widgets {

// Where the movement keys take the cursor. Hidden rows and columns are
// stepped over, and moves stop at the edges of the sheet.
class CellNavigator {
public:
    CellNavigator(const Sheet& sheet, int pageRows);

    // None when the key (with Ctrl, not Shift) is no movement key.
    std::optional<CellAddress> target(int key, Qt::KeyboardModifiers modifiers, CellAddress from) const;
    CellAddress step(CellAddress from, int rows, int columns) const;

private:
    const Sheet& sheet_;
    int pageRows_;
};

}  // namespace spreadsheet::widgets
