#pragma once

#include "Formula.h"

#include <spreadsheet/Limits.h>

#include <QString>

#include <memory>

namespace spreadsheet {

class Workbook;

// Turns formula text (with or without its leading '=') into postfix tokens.
// Text that does not parse gives an invalid formula that keeps the text and
// the reason, never an exception.
class FormulaParser {
public:
    static constexpr int kMaxLength = limits::kFormulaLength;
    static constexpr int kMaxNesting = limits::kFormulaNesting;
    static constexpr int kMaxArguments = limits::kFunctionArguments;

    explicit FormulaParser(const Workbook& workbook) : workbook_(workbook) {}
    std::unique_ptr<Formula> parse(const QString& text) const;

private:
    const Workbook& workbook_;
};

}  // namespace spreadsheet
