#include "StoredValue.h"

namespace spreadsheet {

StoredValue& StoredValue::operator=(const StoredValue& other)
{
    if (this != &other) {
        assign(other.toValue());
    }
    return *this;
}

void StoredValue::release()
{
    if (type_ == ValueType::Text) {
        delete text_;
    }
    type_ = ValueType::Empty;
    number_ = 0.0;
}

void StoredValue::assign(const Value& value)
{
    if (value.isArray()) {
        assign(value.array().at(0, 0));  // a formula's own cell shows the array's first value
        return;
    }
    if (type_ == ValueType::Text && value.isText()) {
        *text_ = value.text();
        return;
    }
    release();
    switch (value.type()) {
    case ValueType::Text:
        text_ = new QString(value.text());
        break;
    case ValueType::Error:
        error_ = value.error();
        break;
    default:
        number_ = value.number();
        break;
    }
    type_ = value.type();
}

Value StoredValue::toValue() const
{
    switch (type_) {
    case ValueType::Empty:
        return {};
    case ValueType::Number:
        return Value(number_);
    case ValueType::Text:
        return Value(*text_);
    case ValueType::Boolean:
        return Value::boolean(number_ != 0.0);
    case ValueType::Error:
        return Value::error(error_);
    case ValueType::Array:
        break;  // never stored: see assign()
    }
    return {};
}

}  // namespace spreadsheet
