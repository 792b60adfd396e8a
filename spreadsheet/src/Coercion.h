#pragma once

#include <spreadsheet/Value.h>

#include <QString>
#include <QStringView>

namespace spreadsheet::coerce {

// The implicit conversions of spreadsheet users' expectations: empty is 0 or
// "", booleans are 1 and 0, numeric text converts in arithmetic, and other
// text is #VALUE!. Text that reads as a date or a time in the user's locale
// ("2024-01-10", "10/01/2024", "12:30") converts to its serial number. An
// error value converts to itself.
bool toNumber(const Value& value, double& out, ErrorCode& error);
bool toBoolean(const Value& value, bool& out, ErrorCode& error);
// Callers check for errors first; an error value gives its own literal.
QString toText(const Value& value);

// A number as a formula turns it into text: up to 15 significant digits, no
// grouping, the locale's decimal separator.
QString numberText(double number);
// Text that reads as a number: "12", " 1.5 ", "1,5" in a decimal-comma
// locale, "50%", "1e3". False for anything else, the empty text included.
bool parseNumber(QStringView text, double& out);

// The ordering of comparison operators: numbers < text < booleans, text
// compared without case; empty counts as 0, "" or FALSE against the other side.
int compare(const Value& a, const Value& b);

}  // namespace spreadsheet::coerce
