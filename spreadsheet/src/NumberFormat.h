#pragma once

#include <spreadsheet/Value.h>

#include <QLocale>
#include <QString>

namespace spreadsheet {

// Renders a value with an Excel number format code ("#,##0.00", "0%",
// "dd/mm/yyyy", "0.00;[Red]-0.00;\"zero\";@"). Codes use '.' for the decimal
// point and ',' for grouping whatever the locale; the text uses the locale's
// separators and month and day names.
class NumberFormat {
public:
    static QString format(const Value& value, const QString& code, const QLocale& locale);
    // True when the code shows numbers as dates or times.
    static bool isDateFormat(const QString& code);
    // The "General" rendering: up to 15 significant digits, scientific
    // notation for very large and very small magnitudes.
    static QString general(double number, const QLocale& locale);
    // The General format as a cell or TEXT shows it: at most 11 characters
    // besides the sign, the scientific form once the digits do not fit.
    static QString generalShown(double number, const QLocale& locale);
    // False for a code that cannot be read: an open quote or bracket.
    static bool isValid(const QString& code);
};

}  // namespace spreadsheet
