#pragma once

#include "CellRange.h"
#include "Value.h"

#include <QVariant>

#include <span>

namespace spreadsheet {

struct Operand;
class Evaluator;
class Sheet;
class Workbook;

// The evaluated arguments of one call of a registered function.
class ArgumentTokens {
public:
    explicit ArgumentTokens(std::span<const Operand> operands) : operands_(operands) {}
    std::span<const Operand> operands() const { return operands_; }

private:
    std::span<const Operand> operands_;
};

// What a registered function reads its arguments through and answers to.
class FormulaResult {
public:
    FormulaResult(Evaluator& evaluator, const Sheet& sheet, CellAddress position);

    int GetParamsCount(const ArgumentTokens& arguments) const;
    // The argument as a variant whatever its type: double, QString, bool, or
    // an invalid QVariant for an empty cell or an omitted argument. A cell
    // reference gives the referenced cell's value.
    QVariant ExtractStringParameter(const ArgumentTokens& arguments, int index) const;
    // The argument converted to a number; false when it is not numeric.
    bool ExtractNumericParameter(QVariant& value, const ArgumentTokens& arguments, int index) const;
    // The argument's own value, without a variant: empty for an empty cell
    // or an omitted argument.
    Value argumentValue(const ArgumentTokens& arguments, int index) const;

    // Sets the result: numbers (any arithmetic QVariant), text or booleans.
    void AddValue(const QVariant& value);
    // Error codes: 1 #NULL!, 2 #DIV/0!, 3 #VALUE!, 4 #REF!, 5 #NAME?, 6 #NUM!, 7 #N/A.
    void SetError(int code);

    const Sheet& sheet() const { return sheet_; }
    Workbook& workbook() const;
    CellAddress position() const { return position_; }

    const Value& value() const { return value_; }

private:
    Evaluator& evaluator_;
    const Sheet& sheet_;
    CellAddress position_;
    Value value_;
};

}  // namespace spreadsheet
