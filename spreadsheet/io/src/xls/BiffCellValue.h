#pragma once

#include <spreadsheet/Value.h>

#include <cstdint>
#include <span>

namespace spreadsheet::io::xls {

// The compact value encodings of cell records.
class BiffCellValue {
public:
    // An RK number: a 30-bit integer or the top 30 bits of a double,
    // optionally to be divided by 100.
    static double rk(std::uint32_t value);
    // Error codes as cells and formula tokens store them; false for a code
    // the engine has no error for.
    static bool error(std::uint8_t code, ErrorCode& out);
    // The 8-byte result a FORMULA record caches. `awaitsString` is set when
    // the text follows in a STRING record.
    static Value formulaResult(std::span<const std::uint8_t, 8> bytes, bool& awaitsString);
};

}  // namespace spreadsheet::io::xls
