#pragma once

#include <spreadsheet/CellStyle.h>

#include <cstdint>

namespace spreadsheet::io {

// Excel's border line codes, which BIFF8 records store and libxlsxwriter's
// LXW_BORDER_* constants share. Excel has more kinds of line than the
// workbook; each of the others is read as the nearest.
class ExcelBorderCodes {
public:
    static std::uint8_t code(BorderLine line);
    // An unknown code reads as no line.
    static BorderLine line(int code);
};

}  // namespace spreadsheet::io
