#pragma once

#include "CellRange.h"
#include "CellStyle.h"

#include <QString>

#include <optional>

namespace spreadsheet {

class Sheet;

// What ApplyCellFormat changes, one bit each.
enum FormatFlag : unsigned {
    kSetAlignment = 1u << 0,
    kSetFontName = 1u << 1,
    kSetFontSize = 1u << 2,
    kSetBold = 1u << 3,
    kSetItalic = 1u << 4,
    kSetUnderline = 1u << 5,
    kSetStrikeOut = 1u << 6,
};

// The state a style flag sets: a set bit means on.
enum StyleBit : unsigned {
    kBold = 1u << 0,
    kItalic = 1u << 1,
    kUnderline = 1u << 2,
    kStrikeOut = 1u << 3,
};

// The lines a border preset draws on the four edges of an area and between
// its cells; an empty one leaves that edge as it is.
struct BorderPreset {
    std::optional<BorderLine> left, top, right, bottom, inner;
};

// One border line of an area, in its colour.
struct BorderSide {
    BorderLine line = BorderLine::None;
    CellColor color;
    bool operator==(const BorderSide&) const = default;
};

// The lines around an area and between its cells.
struct AreaBorders {
    BorderSide left, top, right, bottom, insideVertical, insideHorizontal;
};

// What the format-cells dialog changes over an area: an empty member leaves
// that attribute of every cell as it is.
struct StyleChange {
    std::optional<QString> numberFormat;
    std::optional<HorizontalAlignment> alignHorz;
    std::optional<VerticalAlignment> alignVert;
    std::optional<bool> wrapText;
    std::optional<QString> fontName;
    std::optional<int> fontSize;
    std::optional<bool> bold, italic, underline, strikeOut;
    std::optional<CellColor> fontColor, fill;
    std::optional<bool> locked;
    std::optional<BorderSide> left, top, right, bottom, insideVertical, insideHorizontal;
};

// The formatting commands of the editor's toolbar, each one undoable
// action over an area of a sheet.
class CellFormatting {
public:
    static constexpr int kBorderPresets = 12;

    // In the order of the border list's pictures; throws SpreadsheetError
    // for a preset outside 0 to kBorderPresets - 1.
    static const BorderPreset& borderPreset(int preset);

    static void ApplyCellFormat(Sheet& sheet, const CellRange& area, unsigned flags, HorizontalAlignment alignment,
                                unsigned styleBits, const QString& fontName, int fontSize);
    // Borders are stored as left and top lines only: the right edge of the
    // area is the left line of the column after it, the bottom edge the
    // top line of the row below.
    static void applyBorderPreset(Sheet& sheet, const CellRange& area, int preset);

    // The lines as the first cell of each edge has them.
    static AreaBorders bordersOf(const Sheet& sheet, const CellRange& area);
    static void applyStyleChange(Sheet& sheet, const CellRange& area, const StyleChange& change);
};

}  // namespace spreadsheet
