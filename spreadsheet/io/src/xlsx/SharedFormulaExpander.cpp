#include "SharedFormulaExpander.h"

#include "Formula.h"
#include "FormulaParser.h"
#include "FormulaWriter.h"
#include "ReferenceShift.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

namespace spreadsheet::io {

SharedFormulaExpander::SharedFormulaExpander(const std::vector<QString>& sheetNames)
    : scratch_(std::make_unique<Workbook>())
{
    scratch_->history().setEnabled(false);
    scratch_->setAutomaticCalculation(false);
    for (const QString& name : sheetNames) {
        try {
            scratch_->addSheet(name);
        } catch (const SpreadsheetError&) {
            // A name the workbook refuses is refused by the builder too; its
            // references stay as written.
        }
    }
}

SharedFormulaExpander::~SharedFormulaExpander() = default;

const Formula* SharedFormulaExpander::parsed(const QString& masterText)
{
    auto it = masters_.find(masterText);
    if (it == masters_.end()) {
        it = masters_.emplace(masterText, FormulaParser(*scratch_).parse(masterText)).first;
    }
    return it->second->isValid() ? it->second.get() : nullptr;
}

std::optional<QString> SharedFormulaExpander::expand(const QString& masterText, CellAddress master, CellAddress target)
{
    const Formula* formula = parsed(masterText);
    if (!formula) {
        return std::nullopt;
    }
    std::unique_ptr<Formula> copy = formula->clone();
    shiftRelativeReferences(*copy, target.row - master.row, target.column - master.column);
    return FormulaWriter(*scratch_).write(*copy, target);
}

}  // namespace spreadsheet::io
