#pragma once

#include <QLocale>
#include <QString>

namespace catalog {

// Date-times (days since 1899-12-30, the fraction being the time of day)
// written through a format of the run-time library kind. Letters are read
// without regard to case:
//   d dd ddd dddd  day, two-digit day, short and long day name
//   ddddd dddddd   the locale's short and long date
//   m mm mmm mmmm  month likewise; right after h or hh, minutes
//   yy yyyy        two- and four-digit year
//   h hh  n nn  s ss  z zzz   hour, minute, second, millisecond
//   t tt           the locale's short and long time
//   c              short date, then a blank and the long time unless midnight
//   am/pm a/p      12-hour clock for the hours before them, the marker written
//                  as the format spells it; ampm writes the locale's texts
//   / :            the locale's date and time separators
//   "text" 'text'  copied; any other character is copied as well.
// An empty format is "c". Names are the locale's.
class FormatoDataHora {
public:
    // Throws ErroFormatacao for NaN and dates outside 0001-01-01 .. 9999-12-31.
    static QString formatar(double dataHora, const QString& formato, const QLocale& locale);
};

}  // namespace catalog
