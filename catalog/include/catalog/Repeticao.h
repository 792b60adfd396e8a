#pragma once

#include <QString>

namespace catalog {

// A text repeated a number of times, the count rounded to the nearest whole
// number with halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
class Repeticao {
public:
    // The longest text a cell holds.
    static constexpr qsizetype kLimite = 32767;

    // A count of 0 or less gives the empty text. Throws ErroFormatacao for
    // a count that is NaN, infinite or beyond the int range, and for a result
    // longer than kLimite, before allocating anything.
    static QString repetir(const QString& texto, double vezes);
};

}  // namespace catalog
