#pragma once

#include <QLocale>
#include <QString>

namespace catalog {

// The general rendering of a number, for an empty mask and for numbers too
// large for a mask: at most 15 significant digits without trailing zeros,
// the locale's decimal separator, and "1,5E20" / "1E-7" outside
// 0.00001 .. 10^15.
class FormaGeral {
public:
    static QString texto(double valor, const QLocale& locale);
};

}  // namespace catalog
