#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>

namespace host::conversion {

// Conversions between the value types a dataset meets: what its fields hold
// and what callers pass as keys. An empty answer means the value does not
// convert; the caller raises with the field's name. Numbers and dates meet
// through the day count from 30 December 1899, the serial date the payroll
// code computes with.

std::optional<qint64> toInteger(const QVariant& value);
std::optional<double> toReal(const QVariant& value);
std::optional<QDate> toDate(const QVariant& value);
QString toText(const QVariant& value);

// The text a user reads: decimal integers, general-form numbers of at most
// 15 significant digits and short dates, both in the default locale.
QString displayText(const QVariant& value);

}  // namespace host::conversion
