#pragma once

#include <QByteArray>
#include <QString>

namespace spreadsheet {
class Sheet;
class Workbook;
}

namespace spreadsheet::io {

// Exports for people outside the suite.
class WorkbookExport {
public:
    // Excel 2007+ workbook: values, formulas in Excel's syntax, styles,
    // merges, sizes and names. Calls of the system's own functions, which
    // Excel does not know, go out as their current values. Atomic.
    static void xlsx(const Workbook& workbook, const QString& path);
    // One sheet as UTF-8 text, fields separated by `separator`, numbers in
    // the locale's form.
    static void csv(const Sheet& sheet, QByteArray& out, QChar separator = u';');
};

}  // namespace spreadsheet::io
