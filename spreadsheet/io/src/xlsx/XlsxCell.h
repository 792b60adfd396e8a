#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace spreadsheet::io {

struct XlsxCellFormula {
    QString text;  // empty in the other cells of a shared group
    std::optional<std::size_t> sharedIndex;
    std::optional<CellRange> arrayArea;  // t="array": the range it fills
    bool spills = false;                 // a dynamic array (the cell names array metadata)
};

// One cell as its sheet part stores it. A sheet's cells are held twice
// while it is read, so the cell is kept small: the formula, which most
// cells lack, is held apart (and shared by the copies), and the format
// index fits 32 bits, as Excel's 64,000 formats do.
struct XlsxCell {
    int row = 0;
    int column = 0;
    Value value;
    std::shared_ptr<const XlsxCellFormula> formula;
    std::optional<std::uint32_t> format;  // the cell format (xf) it names
    bool serialDate = false;              // a number of the file's date system, not an ISO date
};

// A sheet's cells in the order of its part, kept in the pieces the part was
// read in: joining them would copy every cell once more.
using XlsxCellPieces = std::vector<std::vector<XlsxCell>>;

// "_x0041_" to "A"; "_x005F_" escapes the underscore of a literal.
QString decodeEscapes(const QString& text);
// Every digit of the shortest round-trip text, subnormals included.
std::optional<double> parseNumber(std::string_view text);
// "2024-03-15T13:30:00" to the serial number of the 1900 date system.
std::optional<double> parseIsoDate(std::string_view text);

}  // namespace spreadsheet::io
