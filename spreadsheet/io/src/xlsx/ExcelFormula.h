#pragma once

#include <QString>

namespace spreadsheet::io {

// What Excel can be given of a formula of the workbook.
class ExcelFormula {
public:
    // Canonical text to Excel's: arguments separated by ',' instead of ';'.
    // Strings and quoted sheet names are copied untouched.
    static QString text(const QString& canonical);
    // Excel's text to ours: the prefixes Excel puts before functions newer
    // than its file format (_xlfn., _xlws.) and before functions it does
    // not know, such as an add-in's or the suite's own (_xludf.), dropped.
    static QString fromExcel(const QString& excel);
};

}  // namespace spreadsheet::io
