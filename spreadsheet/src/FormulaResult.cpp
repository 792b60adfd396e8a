#include <spreadsheet/FormulaResult.h>

#include "Coercion.h"
#include "Evaluator.h"

#include <spreadsheet/Sheet.h>

namespace spreadsheet {

FormulaResult::FormulaResult(Evaluator& evaluator, const Sheet& sheet, CellAddress position)
    : evaluator_(evaluator), sheet_(sheet), position_(position)
{
}

Workbook& FormulaResult::workbook() const
{
    return sheet_.workbook();
}

int FormulaResult::GetParamsCount(const ArgumentTokens& arguments) const
{
    return static_cast<int>(arguments.operands().size());
}

Value FormulaResult::argumentValue(const ArgumentTokens& arguments, int index) const
{
    const auto operands = arguments.operands();
    if (index < 0 || index >= static_cast<int>(operands.size())) {
        return {};
    }
    return evaluator_.scalar(operands[static_cast<std::size_t>(index)]);
}

QVariant FormulaResult::ExtractStringParameter(const ArgumentTokens& arguments, int index) const
{
    const Value v = argumentValue(arguments, index);
    switch (v.type()) {
    case ValueType::Number:
        return v.number();
    case ValueType::Text:
        return v.text();
    case ValueType::Boolean:
        return v.boolean();
    case ValueType::Error:
        return errorText(v.error());
    case ValueType::Empty:
    case ValueType::Array:
        break;
    }
    return {};
}

bool FormulaResult::ExtractNumericParameter(QVariant& value, const ArgumentTokens& arguments, int index) const
{
    double number = 0.0;
    ErrorCode error = ErrorCode::Value;
    if (!coerce::toNumber(argumentValue(arguments, index), number, error)) {
        value = QVariant();
        return false;
    }
    value = number;
    return true;
}

void FormulaResult::AddValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        value_ = Value(value.toString());
        return;
    case QMetaType::Bool:
        value_ = Value::boolean(value.toBool());
        return;
    case QMetaType::UnknownType:
        value_ = Value();
        return;
    default:
        break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    value_ = ok ? Value(number) : Value(value.toString());
}

void FormulaResult::SetError(int code)
{
    static constexpr ErrorCode kCodes[] = {ErrorCode::Null, ErrorCode::Div0, ErrorCode::Value, ErrorCode::Ref,
                                           ErrorCode::Name, ErrorCode::Num, ErrorCode::NA};
    value_ = Value::error(code >= 1 && code <= 7 ? kCodes[code - 1] : ErrorCode::Value);
}

}  // namespace spreadsheet
