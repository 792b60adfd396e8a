#include "InfoFunctions.h"

#include "ArgumentReader.h"
#include "CallContext.h"

#include <spreadsheet/FormulaConvention.h>
#include <spreadsheet/Sheet.h>

#include <QLocale>

#include <cmath>

namespace spreadsheet::functions {

namespace {

// ISEVEN and ISODD truncate their number; a boolean is no number to them.
Value parityIs(const CallContext& context, bool odd)
{
    if (context.scalar(0).isBoolean()) {
        return Value::error(ErrorCode::Value);
    }
    ArgumentReader args(context);
    const double number = std::trunc(args.number(0));
    if (args.failed()) {
        return args.error();
    }
    return Value::boolean((std::fmod(std::fabs(number), 2.0) == 1.0) == odd);
}

// The top left cell of a reference argument, which ISFORMULA and FORMULATEXT look at.
const Sheet* referencedCell(const CallContext& context, int& row, int& column)
{
    if (!context.isReference(0)) {
        return nullptr;
    }
    const Operand& ref = context.arg(0);
    row = ref.range.top;
    column = ref.range.left;
    return ref.sheet;
}

}  // namespace

// A written empty text ("") is not blank: only a reference to an empty cell is.
Value isBlank(const CallContext& context)
{
    return Value::boolean(context.isReference(0) && context.scalar(0).isEmpty());
}

Value isNumber(const CallContext& context)
{
    return Value::boolean(context.scalar(0).isNumber());
}

Value isText(const CallContext& context)
{
    return Value::boolean(context.scalar(0).isText());
}

Value isError(const CallContext& context)
{
    return Value::boolean(context.scalar(0).isError());
}

Value isErr(const CallContext& context)
{
    const Value v = context.scalar(0);
    return Value::boolean(v.isError() && v.error() != ErrorCode::NA);
}

Value isNA(const CallContext& context)
{
    const Value v = context.scalar(0);
    return Value::boolean(v.isError() && v.error() == ErrorCode::NA);
}

Value notAvailable(const CallContext&)
{
    return Value::error(ErrorCode::NA);
}

Value isEven(const CallContext& context)
{
    return parityIs(context, false);
}

Value isOdd(const CallContext& context)
{
    return parityIs(context, true);
}

Value isLogical(const CallContext& context)
{
    return Value::boolean(context.scalar(0).isBoolean());
}

// An empty cell is no text either.
Value isNonText(const CallContext& context)
{
    return Value::boolean(!context.scalar(0).isText());
}

Value isReference(const CallContext& context)
{
    return Value::boolean(context.isReference(0));
}

Value isFormula(const CallContext& context)
{
    int row = 0;
    int column = 0;
    const Sheet* sheet = referencedCell(context, row, column);
    return sheet ? Value::boolean(sheet->isFormula(row, column)) : Value::error(ErrorCode::Value);
}

// N: numbers (dates included) as they are, TRUE as 1, anything else 0.
Value toNumberValue(const CallContext& context)
{
    const Value v = context.scalar(0);
    if (v.isError()) {
        return v;
    }
    return v.isNumber() || v.isBoolean() ? Value(v.number()) : Value(0.0);
}

// 1 number, 2 text, 4 logical, 16 error, 64 array (a range of several cells too).
Value typeOf(const CallContext& context)
{
    if (context.isArray(0) || (context.isReference(0) && context.arg(0).isArrayLike())) {
        return Value(64.0);
    }
    switch (context.scalar(0).type()) {
    case ValueType::Text:
        return Value(2.0);
    case ValueType::Boolean:
        return Value(4.0);
    case ValueType::Error:
        return Value(16.0);
    default:
        return Value(1.0);
    }
}

Value errorType(const CallContext& context)
{
    const Value v = context.scalar(0);
    if (!v.isError()) {
        return Value::error(ErrorCode::NA);
    }
    switch (v.error()) {
    case ErrorCode::Null:
        return Value(1.0);
    case ErrorCode::Div0:
        return Value(2.0);
    case ErrorCode::Value:
        return Value(3.0);
    case ErrorCode::Ref:
        return Value(4.0);
    case ErrorCode::Name:
        return Value(5.0);
    case ErrorCode::Num:
        return Value(6.0);
    case ErrorCode::NA:
        return Value(7.0);
    case ErrorCode::Spill:
        return Value(9.0);
    case ErrorCode::Calc:
        return Value(14.0);
    }
    return Value::error(ErrorCode::NA);
}

Value formulaText(const CallContext& context)
{
    int row = 0;
    int column = 0;
    const Sheet* sheet = referencedCell(context, row, column);
    if (!sheet || !sheet->isFormula(row, column)) {
        return Value::error(ErrorCode::NA);
    }
    // Shown as the user writes formulas: "=SOMA(A1;2,5)" in Portuguese, "=SUM(A1,2.5)" otherwise.
    const bool portuguese = QLocale().language() == QLocale::Portuguese;
    return Value(formulaForUser(sheet->text(row, column),
                                portuguese ? FormulaConvention::Brazilian : FormulaConvention::English));
}

}  // namespace spreadsheet::functions
