#include "KeyValue.h"

#include "Column.h"
#include "ValueConversion.h"
#include "host/HostError.h"

namespace host {

namespace {

template <class T>
int threeWay(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

[[noreturn]] void raiseInvalid(const QVariant& value, const QString& fieldName)
{
    throw HostError(QStringLiteral("Valor \"%1\" inválido para o campo %2.").arg(value.toString(), fieldName));
}

template <class T>
T require(std::optional<T> converted, const QVariant& value, const QString& fieldName)
{
    if (!converted) {
        raiseInvalid(value, fieldName);
    }
    return *converted;
}

}  // namespace

KeyValue KeyValue::convert(const QVariant& value, FieldType type, const QString& fieldName)
{
    KeyValue key;
    if (value.isNull()) {
        return key;
    }
    key.null_ = false;
    // The keys of the payroll functions' breaks are codes held as int or
    // double: these skip the general conversion, which costs far more.
    if (type == FieldType::Integer && value.typeId() == QMetaType::Int) {
        key.integer_ = value.value<int>();
        return key;
    }
    if (type == FieldType::Float && value.typeId() == QMetaType::Double) {
        key.real_ = value.value<double>();
        return key;
    }
    switch (type) {
    case FieldType::Integer:
        key.integer_ = require(conversion::toInteger(value), value, fieldName);
        break;
    case FieldType::Float:
        key.real_ = require(conversion::toReal(value), value, fieldName);
        break;
    case FieldType::Date:
        key.integer_ = require(conversion::toDate(value), value, fieldName).toJulianDay();
        break;
    case FieldType::Text:
        key.text_ = conversion::toText(value);
        break;
    }
    return key;
}

int KeyValue::compareRow(const Column& column, std::size_t row) const
{
    const bool rowNull = column.isNull(row);
    if (rowNull || null_) {
        return int(null_) - int(rowNull);
    }
    switch (column.type()) {
    case FieldType::Integer:
        return threeWay(column.integer(row), integer_);
    case FieldType::Float:
        return threeWay(column.real(row), real_);
    case FieldType::Date:
        return threeWay(qint64{column.day(row)}, integer_);
    case FieldType::Text:
        return threeWay(QString::compare(column.text(row), text_), 0);
    }
    return 0;
}

}  // namespace host
