#pragma once

#include <spreadsheet/CellRange.h>

#include <QString>

#include <memory>
#include <optional>
#include <map>
#include <vector>

namespace spreadsheet {
class Formula;
class Workbook;
}  // namespace spreadsheet

namespace spreadsheet::io {

// Writes the formula of a shared-formula group for one of its cells: the
// master's relative references move by the distance from the master, as
// when a formula is copied. The master is parsed by the engine itself, in a
// scratch workbook that holds the file's sheet names, so that the shift
// follows exactly the rules of copy and paste (absolute parts stay, a
// reference pushed off the sheet becomes #REF!) and strings, sheet names
// and function names are never mistaken for references.
class SharedFormulaExpander {
public:
    explicit SharedFormulaExpander(const std::vector<QString>& sheetNames);
    ~SharedFormulaExpander();
    SharedFormulaExpander(const SharedFormulaExpander&) = delete;
    SharedFormulaExpander& operator=(const SharedFormulaExpander&) = delete;

    // "=..." in the engine's canonical text; nothing when the master does
    // not parse.
    std::optional<QString> expand(const QString& masterText, CellAddress master, CellAddress target);

private:
    const Formula* parsed(const QString& masterText);

    std::unique_ptr<Workbook> scratch_;
    std::map<QString, std::unique_ptr<Formula>> masters_;
};

}  // namespace spreadsheet::io
