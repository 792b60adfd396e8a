#pragma once

#include <QDateTime>
#include <QVariant>

#include <optional>

namespace host {

// What a loosely typed value holds, read the same way by the variant routines
// and the SQL literals.
class VariantReader {
public:
    // A number held as such, or as a text in C notation with blanks around.
    static std::optional<double> number(const QVariant& value);
    // A whole number that fits 64 bits, held as a number or a text.
    static std::optional<qint64> wholeNumber(const QVariant& value);
    // A moment: see VarToDateTimeDef. Invalid when there is none.
    static QDateTime moment(const QVariant& value);
};

}  // namespace host
