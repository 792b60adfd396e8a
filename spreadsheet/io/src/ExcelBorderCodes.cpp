#include "ExcelBorderCodes.h"

#include <array>

namespace spreadsheet::io {

namespace {

struct ExcelBorder {
    std::uint8_t code;
    BorderLine line;
};

// One row per Excel code; a line is written with the first code that reads
// as it.
constexpr std::array<ExcelBorder, 13> kCodes{{
    {1, BorderLine::Thin},
    {2, BorderLine::Medium},
    {3, BorderLine::Dashed},
    {4, BorderLine::Dotted},
    {5, BorderLine::Thick},
    {6, BorderLine::Double},
    {7, BorderLine::Hair},
    {8, BorderLine::MediumDashed},
    {9, BorderLine::Dashed},         // dash-dot
    {10, BorderLine::MediumDashed},  // medium dash-dot
    {11, BorderLine::Dotted},        // dash-dot-dot
    {12, BorderLine::MediumDashed},  // medium dash-dot-dot
    {13, BorderLine::MediumDashed},  // slanted dash-dot
}};

}  // namespace

std::uint8_t ExcelBorderCodes::code(BorderLine line)
{
    for (const ExcelBorder& b : kCodes) {
        if (b.line == line) {
            return b.code;
        }
    }
    return 0;
}

BorderLine ExcelBorderCodes::line(int code)
{
    for (const ExcelBorder& b : kCodes) {
        if (b.code == code) {
            return b.line;
        }
    }
    return BorderLine::None;
}

}  // namespace spreadsheet::io
