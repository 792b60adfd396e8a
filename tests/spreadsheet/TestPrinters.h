#pragma once

#include <spreadsheet/CellStyle.h>

#include <QString>

#include <ostream>

// Lets GoogleTest show QString values as text in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace spreadsheet {

// The parts of a style that tests tell apart, instead of its bytes.
inline void PrintTo(const CellStyle& s, std::ostream* os)
{
    *os << s.font.name.toStdString() << ' ' << s.font.size << (s.font.bold ? " bold" : "") << " \""
        << s.numberFormat.toStdString() << "\" align " << int(s.alignHorz) << '/' << int(s.alignVert)
        << (s.wrapText ? " wrap" : "") << std::hex << " colour " << s.font.color.argb << " fill " << s.fill.argb
        << " borders " << int(s.borderLeft) << '/' << s.borderLeftColor.argb << ' ' << int(s.borderTop) << '/'
        << s.borderTopColor.argb << std::dec;
}

}  // namespace spreadsheet
