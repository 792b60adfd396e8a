#pragma once

#include "Formula.h"

#include <QString>

#include <memory>

namespace spreadsheet {

class Workbook;

// Turns formula text (with or without its leading '=') into postfix tokens.
// Text that does not parse gives an invalid formula that keeps the text and
// the reason, never an exception.
class FormulaParser {
public:
    static constexpr int kMaxLength = 8192;
    static constexpr int kMaxNesting = 64;
    static constexpr int kMaxArguments = 255;

    explicit FormulaParser(const Workbook& workbook) : workbook_(workbook) {}
    std::unique_ptr<Formula> parse(const QString& text) const;

private:
    const Workbook& workbook_;
};

}  // namespace spreadsheet
