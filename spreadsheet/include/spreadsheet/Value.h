#pragma once

#include <QString>

#include <cstdint>

namespace spreadsheet {

// Formula errors are values, never exceptions: they travel through cells and
// operators like any other result.
enum class ErrorCode : std::uint8_t { Null, Div0, Value, Ref, Name, Num, NA };

enum class ValueType : std::uint8_t { Empty, Number, Text, Boolean, Error };

QString errorText(ErrorCode code);
// Accepts "#DIV/0!", "#n/a" and the like; false when the text is no error literal.
bool parseErrorText(QStringView text, ErrorCode& code);

class Value {
public:
    Value() = default;
    Value(double number) : type_(ValueType::Number), number_(number) {}
    Value(int number) : type_(ValueType::Number), number_(number) {}
    Value(QString text) : type_(ValueType::Text), text_(std::move(text)) {}
    Value(const char*) = delete;  // avoid silent bool conversion of literals

    static Value boolean(bool b);
    static Value error(ErrorCode code);

    ValueType type() const { return type_; }
    bool isEmpty() const { return type_ == ValueType::Empty; }
    bool isNumber() const { return type_ == ValueType::Number; }
    bool isText() const { return type_ == ValueType::Text; }
    bool isBoolean() const { return type_ == ValueType::Boolean; }
    bool isError() const { return type_ == ValueType::Error; }

    double number() const { return number_; }  // also 0/1 for booleans
    const QString& text() const { return text_; }
    bool boolean() const { return number_ != 0.0; }
    ErrorCode error() const { return error_; }

    bool operator==(const Value& other) const;

private:
    ValueType type_ = ValueType::Empty;
    ErrorCode error_ = ErrorCode::Value;
    double number_ = 0.0;
    QString text_;
};

}  // namespace spreadsheet
