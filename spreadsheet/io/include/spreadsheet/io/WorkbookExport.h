#pragma once

#include "PrintSettings.h"

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
    // Excel 2007+ workbook: values, formulas in Excel's syntax with their
    // current results (the system's own functions too, so that a template
    // comes back whole), styles, merges, sizes, names, page breaks, views
    // and print settings. Atomic.
    static void xlsx(const Workbook& workbook, const QString& path, const PrintSettings& print = {});
    // One sheet as UTF-8 text, fields separated by `separator`, numbers in
    // the locale's form.
    static void csv(const Sheet& sheet, QByteArray& out, QChar separator = u';');
};

}  // namespace spreadsheet::io
