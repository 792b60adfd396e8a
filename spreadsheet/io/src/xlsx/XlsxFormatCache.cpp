#include "XlsxFormatCache.h"

#include "ExcelBorderCodes.h"

#include <spreadsheet/SpreadsheetError.h>

#include <xlsxwriter.h>

#include <array>

namespace spreadsheet::io {

namespace {

struct AlignmentCode {
    HorizontalAlignment alignment;
    std::uint8_t code;
};

constexpr std::array<AlignmentCode, 6> kAlignments{{
    {HorizontalAlignment::Left, LXW_ALIGN_LEFT},
    {HorizontalAlignment::Center, LXW_ALIGN_CENTER},
    {HorizontalAlignment::Right, LXW_ALIGN_RIGHT},
    {HorizontalAlignment::Fill, LXW_ALIGN_FILL},
    {HorizontalAlignment::Justify, LXW_ALIGN_JUSTIFY},
    {HorizontalAlignment::Distributed, LXW_ALIGN_DISTRIBUTED},
}};

static_assert(LXW_BORDER_MEDIUM == 2 && LXW_BORDER_THICK == 5 && LXW_BORDER_SLANT_DASH_DOT == 13,
              "libxlsxwriter's border constants are Excel's codes");

struct VerticalCode {
    VerticalAlignment alignment;
    std::uint8_t code;
};

// Bottom is Excel's default and is left unsaid.
constexpr std::array<VerticalCode, 2> kVerticals{{
    {VerticalAlignment::Center, LXW_ALIGN_VERTICAL_CENTER},
    {VerticalAlignment::Top, LXW_ALIGN_VERTICAL_TOP},
}};

std::uint8_t alignmentCode(HorizontalAlignment alignment)
{
    for (const AlignmentCode& a : kAlignments) {
        if (a.alignment == alignment) {
            return a.code;
        }
    }
    return LXW_ALIGN_NONE;
}

void setVertical(lxw_format* format, VerticalAlignment alignment)
{
    for (const VerticalCode& v : kVerticals) {
        if (v.alignment == alignment) {
            format_set_align(format, v.code);
        }
    }
}

// libxlsxwriter takes 0 for "no colour", so black has a code of its own.
lxw_color_t colorCode(CellColor color)
{
    return color.rgbOnly() == 0 ? LXW_COLOR_BLACK : color.rgbOnly();
}

// Each colour that is not automatic, with the function that sets it.
void setColors(lxw_format* format, const CellStyle& style)
{
    const std::array<std::pair<CellColor, void (*)(lxw_format*, lxw_color_t)>, 4> colors{{
        {style.font.color, format_set_font_color},
        {style.fill, format_set_bg_color},
        {style.borderLeftColor, format_set_left_color},
        {style.borderTopColor, format_set_top_color},
    }};
    for (const auto& [color, set] : colors) {
        if (!color.isAutomatic()) {
            set(format, colorCode(color));
        }
    }
    if (!style.fill.isAutomatic()) {
        format_set_pattern(format, LXW_PATTERN_SOLID);
    }
}

void setFont(lxw_format* format, const CellFont& font)
{
    format_set_font_name(format, font.name.toUtf8().constData());
    format_set_font_size(format, font.size);
    const std::array<std::pair<bool, void (*)(lxw_format*)>, 3> flags{{
        {font.bold, format_set_bold},
        {font.italic, format_set_italic},
        {font.strikeOut, format_set_font_strikeout},
    }};
    for (const auto& [on, set] : flags) {
        if (on) {
            set(format);
        }
    }
    if (font.underline) {
        format_set_underline(format, LXW_UNDERLINE_SINGLE);
    }
}

}  // namespace

lxw_format* XlsxFormatCache::get(const CellStyle& style)
{
    const auto it = formats_.constFind(style);
    if (it != formats_.constEnd()) {
        return it.value();
    }
    lxw_format* format = create(style);
    formats_.insert(style, format);
    return format;
}

lxw_format* XlsxFormatCache::create(const CellStyle& style) const
{
    lxw_format* format = workbook_add_format(workbook_);
    if (!format) {
        throw SpreadsheetError(QStringLiteral("Memória insuficiente para exportar a planilha."));
    }
    setFont(format, style.font);
    if (style.alignHorz != HorizontalAlignment::General) {
        format_set_align(format, alignmentCode(style.alignHorz));
    }
    setVertical(format, style.alignVert);
    if (style.wrapText) {
        format_set_text_wrap(format);
    }
    format_set_left(format, ExcelBorderCodes::code(style.borderLeft));
    format_set_top(format, ExcelBorderCodes::code(style.borderTop));
    setColors(format, style);
    if (!style.numberFormat.isEmpty()) {
        format_set_num_format(format, style.numberFormat.toUtf8().constData());
    }
    if (!style.locked) {
        format_set_unlocked(format);
    }
    return format;
}

}  // namespace spreadsheet::io
