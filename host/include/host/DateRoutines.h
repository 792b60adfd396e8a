#pragma once

#include <QDate>
#include <QDateTime>
#include <QVariant>

namespace host {

// The last moment of the month: its last day at 23:59:59.999.
QDateTime EndOfTheMonth(const QDateTime& moment);
// The first moment of the month: its first day at 00:00.
QDateTime StartOfTheMonth(const QDateTime& moment);
// Moves by whole months, keeping the time; a day the target month lacks
// becomes that month's last day (31 January + 1 = 28 or 29 February).
QDateTime IncMonth(const QDateTime& moment, int months);

QDate EndOfTheMonth(const QDate& date);
QDate StartOfTheMonth(const QDate& date);
QDate IncMonth(const QDate& date, int months);

// The value as a moment: a QDate or QDateTime, a text "yyyy-MM-dd" with an
// optional time ("HH:mm[:ss[.zzz]]" after a blank or "T"), a text
// "dd/MM/yyyy" with the same optional time, or a number of days since
// 1899-12-30 with the fraction as time of day. `def` when nothing valid can be
// read. Values with no time zone of their own come back in UTC, so that no
// daylight-saving gap can move a midnight.
QDateTime VarToDateTimeDef(const QVariant& value, const QDateTime& def);

}  // namespace host
