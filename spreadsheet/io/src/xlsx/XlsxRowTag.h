#pragma once

#include "XlsxXml.h"

#include <optional>
#include <string_view>

namespace spreadsheet::io {

// A row's own tag, when all it says is its number, height and visibility:
// the scan then gives those itself, and liborcus need not see the row. A row
// with a style (its cells' formats come from liborcus), without a number
// (liborcus counts those on from the row before) or with a height that is
// not a plain number is left to liborcus.
struct XlsxRowTag {
    int row = 0;  // from 0
    std::optional<double> height;  // in points

    static std::optional<XlsxRowTag> plain(const xml::Attributes& attributes);
    // The same for the text between "<row" and the tag's end; attribute
    // names are taken without their prefix, as the parser gives them.
    static std::optional<XlsxRowTag> plain(std::string_view attributesText);
};

}  // namespace spreadsheet::io
