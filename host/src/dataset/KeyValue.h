#pragma once

#include "host/FieldType.h"

#include <QString>
#include <QVariant>

#include <cstddef>

namespace host {

class Column;

// A key or range value, converted once to the representation of the field
// it is compared with, so that every comparison is between equal types.
class KeyValue {
public:
    KeyValue() = default;  // the null key, which sorts before every value

    // Raises HostError naming the field when the value does not convert.
    static KeyValue convert(const QVariant& value, FieldType type, const QString& fieldName);

    bool isNull() const { return null_; }
    qint64 integer() const { return integer_; }  // integers, and dates as Julian days
    const QString& text() const { return text_; }
    // Negative when the row's value sorts before this key, zero when equal.
    int compareRow(const Column& column, std::size_t row) const;

private:
    bool null_ = true;
    qint64 integer_ = 0;
    double real_ = 0.0;
    QString text_;
};

}  // namespace host
