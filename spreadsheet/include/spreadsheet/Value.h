#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace spreadsheet {

// Formula errors are values, never exceptions: they travel through cells and
// operators like any other result.
// Stored files keep these numbers: append new codes at the end.
enum class ErrorCode : std::uint8_t { Null, Div0, Value, Ref, Name, Num, NA, Spill, Calc };

enum class ValueType : std::uint8_t { Empty, Number, Text, Boolean, Error, Array };

class ValueArray;

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
    // A rows x columns block of values, as an array constant or a function
    // such as SEQUENCE gives it; never empty, never nested.
    static Value array(ValueArray array);

    ValueType type() const { return type_; }
    bool isEmpty() const { return type_ == ValueType::Empty; }
    bool isNumber() const { return type_ == ValueType::Number; }
    bool isText() const { return type_ == ValueType::Text; }
    bool isBoolean() const { return type_ == ValueType::Boolean; }
    bool isError() const { return type_ == ValueType::Error; }
    bool isArray() const { return type_ == ValueType::Array; }

    double number() const { return number_; }  // also 0/1 for booleans
    const QString& text() const { return text_; }
    bool boolean() const { return number_ != 0.0; }
    ErrorCode error() const { return error_; }
    const ValueArray& array() const { return *array_; }

    bool operator==(const Value& other) const;

private:
    ValueType type_ = ValueType::Empty;
    ErrorCode error_ = ErrorCode::Value;
    double number_ = 0.0;
    QString text_;
    std::shared_ptr<const ValueArray> array_;
};

class ValueArray {
public:
    ValueArray(int rows, int columns) : rows_(rows), columns_(columns), items_(std::size_t(rows) * std::size_t(columns)) {}
    ValueArray(int rows, int columns, std::vector<Value> items)
        : rows_(rows), columns_(columns), items_(std::move(items)) {}

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    int size() const { return static_cast<int>(items_.size()); }
    const Value& at(int row, int column) const { return items_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)]; }
    Value& at(int row, int column) { return items_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)]; }
    // The element at a position of a larger block this one is stretched
    // over: a single row or column repeats, and past its end is #N/A.
    Value stretchedAt(int row, int column) const
    {
        const int r = rows_ == 1 ? 0 : row;
        const int c = columns_ == 1 ? 0 : column;
        return r < rows_ && c < columns_ ? at(r, c) : Value::error(ErrorCode::NA);
    }
    // Row by row.
    const std::vector<Value>& items() const { return items_; }
    std::vector<Value>& items() { return items_; }

    bool operator==(const ValueArray& other) const = default;

private:
    int rows_;
    int columns_;
    std::vector<Value> items_;
};

}  // namespace spreadsheet
