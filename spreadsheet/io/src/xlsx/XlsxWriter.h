#pragma once

#include <QString>

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::io {

// Exports a workbook as an Excel 2007+ file with libxlsxwriter: values,
// formulas in Excel's syntax with their current results, styles, merged
// areas, sizes, hidden lines and defined names. A formula that calls a
// function Excel does not have goes out as its current value.
class XlsxWriter {
public:
    // Writes beside the target and renames over it at the end: a failure
    // never leaves a half-written target. Throws SpreadsheetError.
    static void write(const Workbook& workbook, const QString& path);
};

}  // namespace spreadsheet::io
