#include <spreadsheet/CellFormatting.h>

#include "SheetEditing.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>

#include <array>
#include <optional>

namespace spreadsheet {

namespace {

// An edge a preset leaves as it is.
constexpr std::optional<BorderLine> kKeep = std::nullopt;
constexpr std::optional<BorderLine> kNone = BorderLine::None;
constexpr std::optional<BorderLine> kThin = BorderLine::Thin;
constexpr std::optional<BorderLine> kThick = BorderLine::Thick;
constexpr std::optional<BorderLine> kDouble = BorderLine::Double;

// In the order of the pictures of the border list.
constexpr std::array<BorderPreset, CellFormatting::kBorderPresets> kPresets{{
    {kNone, kNone, kNone, kNone, kNone},        // no borders
    {kKeep, kKeep, kKeep, kDouble, kNone},      // double bottom
    {kKeep, kThin, kKeep, kThick, kNone},       // thin top, thick bottom
    {kKeep, kKeep, kKeep, kThin, kNone},        // thin bottom
    {kKeep, kKeep, kKeep, kThick, kNone},       // thick bottom
    {kThin, kThin, kThin, kThin, kThin},        // all lines thin
    {kThin, kKeep, kKeep, kKeep, kNone},        // thin left
    {kKeep, kThin, kKeep, kThin, kNone},        // thin top and bottom
    {kThin, kThin, kThin, kThin, kNone},        // thin outline
    {kKeep, kKeep, kThin, kKeep, kNone},        // thin right
    {kKeep, kThin, kKeep, kDouble, kNone},      // thin top, double bottom
    {kThick, kThick, kThick, kThick, kNone},    // thick outline
}};

void setFontStyle(CellFont& font, unsigned flags, unsigned styleBits)
{
    struct Style {
        unsigned flag;
        unsigned bit;
        bool CellFont::*member;
    };
    constexpr Style kStyles[] = {{kSetBold, kBold, &CellFont::bold},
                                 {kSetItalic, kItalic, &CellFont::italic},
                                 {kSetUnderline, kUnderline, &CellFont::underline},
                                 {kSetStrikeOut, kStrikeOut, &CellFont::strikeOut}};
    for (const Style& s : kStyles) {
        if ((flags & s.flag) != 0) {
            font.*s.member = (styleBits & s.bit) != 0;
        }
    }
}

// The lines of one side over an area; an area past the sheet's last row or
// column has nothing to draw on.
void setLines(Sheet& sheet, CellRange area, std::optional<BorderLine> line, BorderLine CellStyle::*side)
{
    if (!line || area.left > area.right || area.top > area.bottom || area.right >= kMaxColumns
        || area.bottom >= kMaxRows) {
        return;
    }
    sheet.formatCells(area, [&](CellStyle& style) { style.*side = *line; });
}

}  // namespace

void CellFormatting::ApplyCellFormat(Sheet& sheet, const CellRange& area, unsigned flags, HorizontalAlignment alignment,
                                     unsigned styleBits, const QString& fontName, int fontSize)
{
    sheet.formatCells(area, [&](CellStyle& style) {
        if ((flags & kSetFontName) != 0) {
            style.font.name = fontName;
        }
        if ((flags & kSetFontSize) != 0) {
            style.font.size = fontSize;
        }
        if ((flags & kSetAlignment) != 0) {
            style.alignHorz = alignment;
        }
        setFontStyle(style.font, flags, styleBits);
    });
}

const BorderPreset& CellFormatting::borderPreset(int preset)
{
    if (preset < 0 || preset >= kBorderPresets) {
        throw SpreadsheetError(QStringLiteral("Modelo de borda inexistente: %1.").arg(preset));
    }
    return kPresets[static_cast<std::size_t>(preset)];
}

void CellFormatting::applyBorderPreset(Sheet& sheet, const CellRange& area, int preset)
{
    checkArea(area);
    const BorderPreset& p = borderPreset(preset);
    const int l = area.left, t = area.top, r = area.right, b = area.bottom;
    UpdateBatch batch(sheet.workbook());
    HistoryScope scope(sheet.workbook().history(), QStringLiteral("Bordas"));
    setLines(sheet, {l, t, l, b}, p.left, &CellStyle::borderLeft);
    setLines(sheet, {l, t, r, t}, p.top, &CellStyle::borderTop);
    setLines(sheet, {r + 1, t, r + 1, b}, p.right, &CellStyle::borderLeft);
    setLines(sheet, {l, b + 1, r, b + 1}, p.bottom, &CellStyle::borderTop);
    setLines(sheet, {l, t + 1, r, b}, p.inner, &CellStyle::borderTop);
    setLines(sheet, {l + 1, t, r, b}, p.inner, &CellStyle::borderLeft);
}

}  // namespace spreadsheet
