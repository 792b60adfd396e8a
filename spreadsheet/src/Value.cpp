#include <spreadsheet/Value.h>

#include <array>
#include <cmath>

namespace spreadsheet {

namespace {

struct ErrorLiteral {
    ErrorCode code;
    const char* text;
};

constexpr std::array<ErrorLiteral, 9> kErrorLiterals{{
    {ErrorCode::Null, "#NULL!"},
    {ErrorCode::Div0, "#DIV/0!"},
    {ErrorCode::Value, "#VALUE!"},
    {ErrorCode::Ref, "#REF!"},
    {ErrorCode::Name, "#NAME?"},
    {ErrorCode::Num, "#NUM!"},
    {ErrorCode::NA, "#N/A"},
    {ErrorCode::Spill, "#SPILL!"},
    {ErrorCode::Calc, "#CALC!"},
}};

}  // namespace

QString errorText(ErrorCode code)
{
    return QString::fromLatin1(kErrorLiterals[static_cast<std::size_t>(code)].text);
}

bool parseErrorText(QStringView text, ErrorCode& code)
{
    for (const ErrorLiteral& literal : kErrorLiterals) {
        if (text.compare(QLatin1String(literal.text), Qt::CaseInsensitive) == 0) {
            code = literal.code;
            return true;
        }
    }
    return false;
}

Value Value::boolean(bool b)
{
    Value v;
    v.type_ = ValueType::Boolean;
    v.number_ = b ? 1.0 : 0.0;
    return v;
}

Value Value::error(ErrorCode code)
{
    Value v;
    v.type_ = ValueType::Error;
    v.error_ = code;
    return v;
}

Value Value::array(ValueArray array)
{
    Value v;
    v.type_ = ValueType::Array;
    v.array_ = std::make_shared<const ValueArray>(std::move(array));
    return v;
}

bool Value::operator==(const Value& other) const
{
    if (type_ != other.type_) {
        return false;
    }
    switch (type_) {
    case ValueType::Empty:
        return true;
    case ValueType::Text:
        return text_ == other.text_;
    case ValueType::Error:
        return error_ == other.error_;
    case ValueType::Array:
        return *array_ == *other.array_;
    default:
        return number_ == other.number_;
    }
}

}  // namespace spreadsheet
