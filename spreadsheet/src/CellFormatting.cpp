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
// column has nothing to draw on. A removed line keeps no colour.
void setLines(Sheet& sheet, CellRange area, std::optional<BorderSide> side, bool leftLines)
{
    if (!side || area.left > area.right || area.top > area.bottom || area.right >= kMaxColumns
        || area.bottom >= kMaxRows) {
        return;
    }
    const BorderLine line = side->line;
    const CellColor color = line == BorderLine::None ? CellColor{} : side->color;
    sheet.formatCells(area, [&](CellStyle& style) {
        (leftLines ? style.borderLeft : style.borderTop) = line;
        (leftLines ? style.borderLeftColor : style.borderTopColor) = color;
    });
}

// The six sides in the order left, top, right, bottom, inside vertical,
// inside horizontal.
using Sides = std::array<std::optional<BorderSide>, 6>;

void applySides(Sheet& sheet, const CellRange& area, const Sides& sides)
{
    const int l = area.left, t = area.top, r = area.right, b = area.bottom;
    setLines(sheet, {l, t, l, b}, sides[0], true);
    setLines(sheet, {l, t, r, t}, sides[1], false);
    setLines(sheet, {r + 1, t, r + 1, b}, sides[2], true);
    setLines(sheet, {l, b + 1, r, b + 1}, sides[3], false);
    setLines(sheet, {l + 1, t, r, b}, sides[4], true);
    setLines(sheet, {l, t + 1, r, b}, sides[5], false);
}

// A preset draws in the automatic colour.
std::optional<BorderSide> presetSide(std::optional<BorderLine> line)
{
    return line ? std::optional<BorderSide>(BorderSide{*line, {}}) : std::nullopt;
}

template <typename T, typename Member>
void setIf(const std::optional<T>& value, Member& member)
{
    if (value) {
        member = *value;
    }
}

bool changesCells(const StyleChange& c)
{
    return c.numberFormat || c.alignHorz || c.alignVert || c.wrapText || c.fontName || c.fontSize || c.bold
           || c.italic || c.underline || c.strikeOut || c.fontColor || c.fill || c.locked;
}

void changeStyle(CellStyle& style, const StyleChange& c)
{
    setIf(c.numberFormat, style.numberFormat);
    setIf(c.alignHorz, style.alignHorz);
    setIf(c.alignVert, style.alignVert);
    setIf(c.wrapText, style.wrapText);
    setIf(c.fontName, style.font.name);
    setIf(c.fontSize, style.font.size);
    setIf(c.bold, style.font.bold);
    setIf(c.italic, style.font.italic);
    setIf(c.underline, style.font.underline);
    setIf(c.strikeOut, style.font.strikeOut);
    setIf(c.fontColor, style.font.color);
    setIf(c.fill, style.fill);
    setIf(c.locked, style.locked);
}

// The left or top line of a cell; there is none past the sheet's edge.
BorderSide sideOf(const Sheet& sheet, int row, int column, bool leftLine)
{
    if (row >= kMaxRows || column >= kMaxColumns) {
        return {};
    }
    const CellStyle& style = sheet.style(row, column);
    return leftLine ? BorderSide{style.borderLeft, style.borderLeftColor}
                    : BorderSide{style.borderTop, style.borderTopColor};
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
    UpdateBatch batch(sheet.workbook());
    HistoryScope scope(sheet.workbook().history(), QStringLiteral("Bordas"));
    applySides(sheet, area,
               {presetSide(p.left), presetSide(p.top), presetSide(p.right), presetSide(p.bottom),
                presetSide(p.inner), presetSide(p.inner)});
}

AreaBorders CellFormatting::bordersOf(const Sheet& sheet, const CellRange& area)
{
    checkArea(area);
    const int l = area.left, t = area.top;
    AreaBorders borders{sideOf(sheet, t, l, true), sideOf(sheet, t, l, false), sideOf(sheet, t, area.right + 1, true),
                        sideOf(sheet, area.bottom + 1, l, false), {}, {}};
    if (area.right > l) {
        borders.insideVertical = sideOf(sheet, t, l + 1, true);
    }
    if (area.bottom > t) {
        borders.insideHorizontal = sideOf(sheet, t + 1, l, false);
    }
    return borders;
}

void CellFormatting::applyStyleChange(Sheet& sheet, const CellRange& area, const StyleChange& change)
{
    checkArea(area);
    UpdateBatch batch(sheet.workbook());
    HistoryScope scope(sheet.workbook().history(), QStringLiteral("Formatar células"));
    if (changesCells(change)) {
        sheet.formatCells(area, [&change](CellStyle& style) { changeStyle(style, change); });
    }
    applySides(sheet, area,
               {change.left, change.top, change.right, change.bottom, change.insideVertical,
                change.insideHorizontal});
}

}  // namespace spreadsheet
