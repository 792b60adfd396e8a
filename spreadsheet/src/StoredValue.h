#pragma once

#include <spreadsheet/Value.h>

#include <cstdint>

namespace spreadsheet {

// A 16-byte form of Value for cached formula results: text lives on the heap
// so that the common numeric result costs no more than a double.
class StoredValue {
public:
    StoredValue() = default;
    explicit StoredValue(const Value& value) { assign(value); }
    StoredValue(const StoredValue& other) { assign(other.toValue()); }
    StoredValue& operator=(const StoredValue& other);
    ~StoredValue() { release(); }

    void assign(const Value& value);
    Value toValue() const;
    ValueType type() const { return type_; }
    double number() const { return number_; }

private:
    void release();

    ValueType type_ = ValueType::Empty;
    ErrorCode error_ = ErrorCode::Value;
    union {
        double number_ = 0.0;
        QString* text_;
    };
};

}  // namespace spreadsheet
