#pragma once

#include <spreadsheet/CellStyle.h>

#include <array>
#include <cstdint>

namespace spreadsheet::io::xls {

class BiffCursor;

// The colours that fonts, lines and fills point at by index: Excel's 56
// standard ones unless the file has a PALETTE record of its own.
class BiffPalette {
public:
    BiffPalette();

    void readPalette(BiffCursor& cursor);
    // The system colours (64 and up) and unknown indexes are automatic.
    CellColor color(int index) const;

private:
    static constexpr int kFirst = 8;
    std::array<std::uint32_t, 56> colors_;
};

}  // namespace spreadsheet::io::xls
