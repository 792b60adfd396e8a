#include "Cell.h"

#include "Formula.h"

namespace spreadsheet {

void Cell::clearContent()
{
    if (kind == CellKind::Text) {
        delete text;
    } else if (kind == CellKind::Formula) {
        delete formula;
    }
    kind = CellKind::Empty;
    number = 0.0;
}

void Cell::setValue(const Value& value)
{
    clearContent();
    switch (value.type()) {
    case ValueType::Empty:
        return;
    case ValueType::Array:  // a cell holds one value: the array's first
        setValue(value.array().at(0, 0));
        return;
    case ValueType::Number:
        number = value.number();
        kind = CellKind::Number;
        return;
    case ValueType::Text:
        text = new QString(value.text());
        kind = CellKind::Text;
        return;
    case ValueType::Boolean:
        small = value.boolean() ? 1 : 0;
        kind = CellKind::Boolean;
        return;
    case ValueType::Error:
        small = static_cast<std::uint8_t>(value.error());
        kind = CellKind::Error;
        return;
    }
}

void Cell::setFormula(Formula* owned)
{
    clearContent();
    formula = owned;
    kind = CellKind::Formula;
}

Formula* Cell::releaseFormula()
{
    Formula* f = formula;
    kind = CellKind::Empty;
    number = 0.0;
    return f;
}

Value Cell::value() const
{
    switch (kind) {
    case CellKind::Empty:
        return {};
    case CellKind::Number:
        return Value(number);
    case CellKind::Text:
        return Value(*text);
    case CellKind::Boolean:
        return Value::boolean(small != 0);
    case CellKind::Error:
        return Value::error(static_cast<ErrorCode>(small));
    case CellKind::Formula:
        return formula->cached.toValue();
    }
    return {};
}

}  // namespace spreadsheet
