#include "VariantReader.h"

#include "DateTimeText.h"

#include <cmath>

namespace host {

namespace {

bool isIntegerType(int type)
{
    switch (type) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloatingType(int type)
{
    return type == QMetaType::Double || type == QMetaType::Float;
}

// 2^63: the first double past the 64-bit range.
constexpr double wholeLimit = 9223372036854775808.0;

std::optional<qint64> wholeFromDouble(double value)
{
    if (!std::isfinite(value) || std::trunc(value) != value || value < -wholeLimit || value >= wholeLimit) {
        return std::nullopt;
    }
    return static_cast<qint64>(value);
}

std::optional<qint64> wholeFromText(const QString& text)
{
    bool ok = false;
    const qint64 whole = text.trimmed().toLongLong(&ok);
    if (ok) {
        return whole;
    }
    const double number = text.trimmed().toDouble(&ok);
    return ok ? wholeFromDouble(number) : std::nullopt;
}

}  // namespace

std::optional<double> VariantReader::number(const QVariant& value)
{
    const int type = value.typeId();
    if (isIntegerType(type) || isFloatingType(type)) {
        return value.toDouble();
    }
    if (type == QMetaType::QString) {
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        return ok ? std::optional(number) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<qint64> VariantReader::wholeNumber(const QVariant& value)
{
    const int type = value.typeId();
    if (type == QMetaType::ULongLong || type == QMetaType::ULong) {
        const qulonglong whole = value.toULongLong();
        return whole <= qulonglong(std::numeric_limits<qint64>::max()) ? std::optional(qint64(whole)) : std::nullopt;
    }
    if (isIntegerType(type)) {
        return value.toLongLong();
    }
    if (isFloatingType(type)) {
        return wholeFromDouble(value.toDouble());
    }
    if (type == QMetaType::QString) {
        return wholeFromText(value.toString());
    }
    return std::nullopt;
}

QDateTime VariantReader::moment(const QVariant& value)
{
    const int type = value.typeId();
    if (type == QMetaType::QDate) {
        const QDate date = value.toDate();
        return date.isValid() ? QDateTime(date, QTime(0, 0), Qt::UTC) : QDateTime();
    }
    if (type == QMetaType::QDateTime) {
        return value.toDateTime();
    }
    if (type == QMetaType::QString) {
        return DateTimeText::parse(value.toString());
    }
    if (isIntegerType(type) || isFloatingType(type)) {
        return DateTimeText::fromSerial(value.toDouble());
    }
    return {};
}

}  // namespace host
