#pragma once

#include <QLocale>
#include <QString>

namespace catalog {

// Numbers written through a mask of the run-time library kind:
//   0  a digit always shown        #  a digit shown when significant
//   .  the decimal separator       ,  grouping by thousands (anywhere)
//   E+ E- e+ e-  scientific notation, followed by up to four 0s for the
//      exponent's least digits (E+ always signs the exponent, E- only when
//      negative)
//   "text" 'text'  copied          ;  positive;negative;zero sections
// Other characters are copied. The separators are the locale's. Rounding is
// half away from zero on the number's first 15 significant digits; a number
// that rounds to zero is written with the zero section and no sign. With a
// negative section the sign is the mask's business. An empty mask, an empty
// first section, or a number of more than 18 integer digits under a plain
// mask gives the general rendering (15 significant digits).
class MascaraNumerica {
public:
    // Throws ErroFormatacao for NaN and infinities.
    static QString formatar(double numero, const QString& mascara, const QLocale& locale);
};

}  // namespace catalog
