#pragma once

#include <spreadsheet/io/PrintSettings.h>

#include <QString>

namespace spreadsheet {
class Workbook;
}

namespace spreadsheet::io {

// Exports a workbook as an Excel 2007+ file with libxlsxwriter: values,
// formulas in Excel's syntax with their current results, styles, merged
// areas, sizes, hidden lines, page breaks, views, print settings and
// defined names. Calls of functions Excel does not have go out as written,
// with their results cached, as Excel keeps an add-in's functions; what
// Excel's markup cannot hold goes in custom document properties.
class XlsxWriter {
public:
    // Who writes the sheets' cells: this writer, on every core, unless a
    // sheet holds arrays, or the library, a cell at a time.
    enum class Cells { Fastest, ByLibrary };

    // Writes beside the target and renames over it at the end: a failure
    // never leaves a half-written target. Throws SpreadsheetError.
    static void write(const Workbook& workbook, const QString& path, const PrintSettings& print,
                      Cells cells = Cells::Fastest);
};

}  // namespace spreadsheet::io
