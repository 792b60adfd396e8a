#pragma once

#include <QString>

namespace spreadsheet {
class Formula;
}

namespace spreadsheet::io {

// What Excel can be given of a formula of the workbook.
class ExcelFormula {
public:
    // Canonical text to Excel's: arguments separated by ',' instead of ';'.
    // Strings and quoted sheet names are copied untouched.
    static QString text(const QString& canonical);
    // False when the formula did not parse or calls any function outside the
    // engine's built-in table (the system's own functions, or names nobody
    // registered): Excel would show #NAME? where the workbook has a value.
    static bool isPortable(const Formula& formula);
};

}  // namespace spreadsheet::io
