#pragma once

#include <QString>

namespace spreadsheet {

// A function that failed while a cell was calculated: the cell shows #VALUE!
// and the failure is kept so that callers can report it.
struct CalculationFailure {
    QString sheetName;
    int row = 0;
    int column = 0;
    QString message;
};

}  // namespace spreadsheet
