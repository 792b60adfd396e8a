#pragma once

#include <spreadsheet/CellRange.h>

#include <QString>

namespace spreadsheet {

class Formula;
class Workbook;

// Writes a formula back as canonical text: "=" first, ';' between arguments,
// built-in functions under their English names, references in A1 or R1C1
// style relative to the cell that holds the formula.
class FormulaWriter {
public:
    explicit FormulaWriter(const Workbook& workbook, bool r1c1 = false) : workbook_(workbook), r1c1_(r1c1) {}
    QString write(const Formula& formula, CellAddress origin) const;

private:
    const Workbook& workbook_;
    bool r1c1_;
};

// The shortest text that reads back as the same double, with '.' as decimal
// point, in the form formulas use ("1E+20", "0.5").
QString formulaNumberText(double value);

}  // namespace spreadsheet
