#include "XlsxFormatCache.h"

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

struct BorderCode {
    BorderLine line;
    std::uint8_t code;
};

// The workbook's thick line is two pixels wide on screen, as Excel's medium.
constexpr std::array<BorderCode, 3> kBorders{{
    {BorderLine::Thin, LXW_BORDER_THIN},
    {BorderLine::Thick, LXW_BORDER_MEDIUM},
    {BorderLine::Double, LXW_BORDER_DOUBLE},
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

std::uint8_t borderCode(BorderLine line)
{
    for (const BorderCode& b : kBorders) {
        if (b.line == line) {
            return b.code;
        }
    }
    return LXW_BORDER_NONE;
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
    format_set_left(format, borderCode(style.borderLeft));
    format_set_top(format, borderCode(style.borderTop));
    if (!style.numberFormat.isEmpty()) {
        format_set_num_format(format, style.numberFormat.toUtf8().constData());
    }
    if (!style.locked) {
        format_set_unlocked(format);
    }
    return format;
}

}  // namespace spreadsheet::io
