#include "host/TnField.h"

#include "DataSetCore.h"
#include "ValueConversion.h"
#include "host/HostError.h"

#include <cmath>
#include <limits>

namespace host {

namespace {

[[noreturn]] void raiseConversion(const QVariant& value, const QString& fieldName, const QString& target)
{
    throw HostError(
        QStringLiteral("O valor \"%1\" do campo %2 não é %3.").arg(conversion::toText(value), fieldName, target));
}

}  // namespace

TnField::TnField(DataSetCore& core, int index, QString name, FieldType type)
    : core_(&core), index_(index), name_(std::move(name)), type_(type)
{}

bool TnField::IsNull() const
{
    const std::optional<std::size_t> row = core_->currentRow();
    return !row || core_->column(index_).isNull(*row);
}

QVariant TnField::Value() const
{
    const std::optional<std::size_t> row = core_->currentRow();
    return row ? core_->column(index_).value(*row) : QVariant();
}

QString TnField::AsString() const
{
    // Texts are read straight from their column: names and codes are read
    // at every payroll cell.
    const std::optional<std::size_t> row = core_->currentRow();
    if (row && type_ == FieldType::Text) {
        const Column& column = core_->column(index_);
        return column.isNull(*row) ? QString() : column.text(*row);
    }
    return conversion::displayText(Value());
}

// A stored float reads as an integer rounded half to even, like a variant
// conversion; every other value must hold an integer exactly.
qint64 TnField::AsLargeInt() const
{
    // Numbers are read straight from their column: summing loops call this
    // once per row.
    const std::optional<std::size_t> row = core_->currentRow();
    if (row && type_ == FieldType::Integer) {
        const Column& column = core_->column(index_);
        return column.isNull(*row) ? 0 : column.integer(*row);
    }
    const QVariant value = Value();
    if (value.isNull()) {
        return 0;
    }
    const QVariant source = type_ == FieldType::Float ? QVariant(std::nearbyint(value.toDouble())) : value;
    const std::optional<qint64> integer = conversion::toInteger(source);
    if (!integer) {
        raiseConversion(value, name_, QStringLiteral("um número inteiro"));
    }
    return *integer;
}

int TnField::AsInteger() const
{
    const qint64 integer = AsLargeInt();
    if (integer < std::numeric_limits<int>::min() || integer > std::numeric_limits<int>::max()) {
        raiseConversion(Value(), name_, QStringLiteral("um número inteiro de 32 bits"));
    }
    return static_cast<int>(integer);
}

double TnField::AsFloat() const
{
    const std::optional<std::size_t> row = core_->currentRow();
    if (row && (type_ == FieldType::Float || type_ == FieldType::Integer)) {
        const Column& column = core_->column(index_);
        if (column.isNull(*row))
            return 0.0;
        return type_ == FieldType::Float ? column.real(*row) : static_cast<double>(column.integer(*row));
    }
    const QVariant value = Value();
    if (value.isNull()) {
        return 0.0;
    }
    const std::optional<double> real = conversion::toReal(value);
    if (!real) {
        raiseConversion(value, name_, QStringLiteral("um número"));
    }
    return *real;
}

QDate TnField::AsDate() const
{
    const QVariant value = Value();
    if (value.isNull()) {
        return {};
    }
    const std::optional<QDate> date = conversion::toDate(value);
    if (!date) {
        raiseConversion(value, name_, QStringLiteral("uma data"));
    }
    return *date;
}

QDateTime TnField::AsDateTime() const
{
    const QDate date = AsDate();
    return date.isValid() ? date.startOfDay() : QDateTime();
}

void TnField::SetValue(const QVariant& value)
{
    core_->assignKey(index_, value);
}

}  // namespace host
