#pragma once

#include <QString>

namespace spreadsheet::io {

// What Excel can be given of a formula of the workbook.
class ExcelFormula {
public:
    // Canonical text to Excel's: arguments separated by ',' instead of ';'.
    // Strings and quoted sheet names are copied untouched.
    static QString text(const QString& canonical);
};

}  // namespace spreadsheet::io
