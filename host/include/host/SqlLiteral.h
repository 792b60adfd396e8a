#pragma once

#include "host/FieldType.h"
#include "host/SqlDialect.h"

#include <QString>
#include <QVariant>

namespace host {

// The value written as an SQL literal of the field type: Integer as digits,
// Float in its shortest exact decimal form with a "." (never the locale's),
// Text quoted with doubled quotes, Date as a date literal of the dialect
// (from a date, a moment, a date text or a day serial, read as
// VarToDateTimeDef reads them; the time of day is dropped).
// A null or invalid value gives NULL. Raises HostError for a value the type
// cannot hold (a fraction for Integer, a non-number, an unreadable date).
QString ValorParaSQL(const QVariant& value, FieldType type, SqlDialect dialect);

}  // namespace host
