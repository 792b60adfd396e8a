#include "XlsxStyles.h"

#include "XlsxNumberFormats.h"

#include <array>
#include <cmath>

namespace spreadsheet::io {

namespace {

using orcus::spreadsheet::border_direction_t;
using orcus::spreadsheet::border_style_t;
using orcus::spreadsheet::hor_alignment_t;

struct BorderMapping {
    border_style_t style;
    BorderLine line;
};

// Kinds of line the workbook lacks are read as the nearest it has.
constexpr std::array<BorderMapping, 16> kBorderLines{{
    {border_style_t::thin, BorderLine::Thin},
    {border_style_t::solid, BorderLine::Thin},
    {border_style_t::hair, BorderLine::Hair},
    {border_style_t::dotted, BorderLine::Dotted},
    {border_style_t::dash_dot_dot, BorderLine::Dotted},
    {border_style_t::dashed, BorderLine::Dashed},
    {border_style_t::dash_dot, BorderLine::Dashed},
    {border_style_t::fine_dashed, BorderLine::Dashed},
    {border_style_t::medium, BorderLine::Medium},
    {border_style_t::medium_dashed, BorderLine::MediumDashed},
    {border_style_t::medium_dash_dot, BorderLine::MediumDashed},
    {border_style_t::medium_dash_dot_dot, BorderLine::MediumDashed},
    {border_style_t::slant_dash_dot, BorderLine::MediumDashed},
    {border_style_t::thick, BorderLine::Thick},
    {border_style_t::double_border, BorderLine::Double},
    {border_style_t::double_thin, BorderLine::Double},
}};

struct AlignmentMapping {
    hor_alignment_t file;
    HorizontalAlignment cell;
};

constexpr std::array<AlignmentMapping, 6> kAlignments{{
    {hor_alignment_t::left, HorizontalAlignment::Left},
    {hor_alignment_t::center, HorizontalAlignment::Center},
    {hor_alignment_t::right, HorizontalAlignment::Right},
    {hor_alignment_t::filled, HorizontalAlignment::Fill},
    {hor_alignment_t::justified, HorizontalAlignment::Justify},
    {hor_alignment_t::distributed, HorizontalAlignment::Distributed},
}};

BorderLine borderLine(border_style_t style)
{
    for (const BorderMapping& m : kBorderLines) {
        if (m.style == style) {
            return m.line;
        }
    }
    return BorderLine::None;
}

// liborcus gives a colour as it is written, alpha included; the workbook
// keeps colours opaque.
CellColor colorOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return CellColor::rgb(std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue);
}

// A font as read: no name and no size until the file gives them.
CellFont blankFont()
{
    CellFont font;
    font.name.clear();
    font.size = 0;
    return font;
}

}  // namespace

XlsxStyles::XlsxStyles() : font_(blankFont()) {}

void XlsxStyles::set_font_name(std::string_view s)
{
    font_.name = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void XlsxStyles::set_font_size(double point)
{
    font_.size = point > 0.0 && point < 1000.0 ? static_cast<int>(std::lround(point)) : 0;
}

void XlsxStyles::set_font_underline(orcus::spreadsheet::underline_t e)
{
    font_.underline = e != orcus::spreadsheet::underline_t::none;
}

void XlsxStyles::set_strikethrough_style(orcus::spreadsheet::strikethrough_style_t s)
{
    font_.strikeOut = s != orcus::spreadsheet::strikethrough_style_t::none;
}

void XlsxStyles::set_strikethrough_type(orcus::spreadsheet::strikethrough_type_t s)
{
    using orcus::spreadsheet::strikethrough_type_t;
    font_.strikeOut = s == strikethrough_type_t::single || s == strikethrough_type_t::double_type;
}

void XlsxStyles::set_font_color(color_elem_t, color_elem_t red, color_elem_t green, color_elem_t blue)
{
    font_.color = colorOf(red, green, blue);
}

size_t XlsxStyles::commit_font()
{
    fonts_.push_back(font_);
    font_ = blankFont();
    return fonts_.size() - 1;
}

void XlsxStyles::set_fill_pattern_type(orcus::spreadsheet::fill_pattern_t fp)
{
    fill_.solid = fp == orcus::spreadsheet::fill_pattern_t::solid;
}

// A solid fill is drawn in its foreground colour.
void XlsxStyles::set_fill_fg_color(color_elem_t, color_elem_t red, color_elem_t green, color_elem_t blue)
{
    fill_.color = colorOf(red, green, blue);
}

size_t XlsxStyles::commit_fill()
{
    fills_.push_back(fill_);
    fill_ = {};
    return fills_.size() - 1;
}

XlsxStyles::Edge* XlsxStyles::Borders::edge(border_direction_t dir)
{
    const std::array<std::pair<border_direction_t, Edge*>, 4> sides{{
        {border_direction_t::left, &left},
        {border_direction_t::top, &top},
        {border_direction_t::right, &right},
        {border_direction_t::bottom, &bottom},
    }};
    for (const auto& [side, target] : sides) {
        if (side == dir) {
            return target;
        }
    }
    return nullptr;
}

void XlsxStyles::set_border_style(border_direction_t dir, border_style_t style)
{
    if (Edge* edge = borders_.edge(dir)) {
        edge->line = borderLine(style);
    }
}

void XlsxStyles::set_border_color(border_direction_t dir, color_elem_t, color_elem_t red, color_elem_t green,
                                  color_elem_t blue)
{
    if (Edge* edge = borders_.edge(dir)) {
        edge->color = colorOf(red, green, blue);
    }
}

size_t XlsxStyles::commit_border()
{
    borderList_.push_back(borders_);
    borders_ = {};
    return borderList_.size() - 1;
}

void XlsxStyles::set_number_format_code(std::string_view s)
{
    numberFormatCode_ = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

size_t XlsxStyles::commit_number_format()
{
    numberFormats_[numberFormatId_] = numberFormatCode_;
    numberFormatId_ = 0;
    numberFormatCode_.clear();
    return numberFormats_.size() - 1;
}

void XlsxStyles::set_xf_horizontal_alignment(hor_alignment_t align)
{
    xf_.align = HorizontalAlignment::General;
    for (const AlignmentMapping& m : kAlignments) {
        if (m.file == align) {
            xf_.align = m.cell;
        }
    }
}

size_t XlsxStyles::commit_cell_xf()
{
    cellXfs_.push_back(xf_);
    xf_ = {};
    return cellXfs_.size() - 1;
}

size_t XlsxStyles::commit_cell_style_xf()
{
    xf_ = {};
    return styleXfCount_++;
}

size_t XlsxStyles::commit_dxf()
{
    xf_ = {};
    return dxfCount_++;
}

CellFont XlsxStyles::fontAt(size_t index) const
{
    const CellFont workbookDefault;
    if (index >= fonts_.size()) {
        return workbookDefault;
    }
    CellFont font = fonts_[index];
    if (index < fontFacts_.size()) {
        font.underline = fontFacts_[index].underlined;
        font.strikeOut = fontFacts_[index].struckOut;
        font.bold = fontFacts_[index].bold;
        font.italic = fontFacts_[index].italic;
    }
    const CellFont& fileDefault = fonts_.front();
    font.name = font.name.isEmpty() ? fileDefault.name : font.name;
    font.size = font.size == 0 ? fileDefault.size : font.size;
    font.name = font.name.isEmpty() ? workbookDefault.name : font.name;
    font.size = font.size == 0 ? workbookDefault.size : font.size;
    // The colour of the file's default font is the automatic one.
    font.color = font.color == fileDefault.color ? CellColor{} : font.color;
    return font;
}

XlsxCellFormat XlsxStyles::resolve(const RawXf& xf) const
{
    XlsxCellFormat format;
    format.style.font = fontAt(xf.font);
    format.style.alignHorz = xf.align;
    if (xf.fill < fills_.size() && fills_[xf.fill].solid) {
        format.style.fill = fills_[xf.fill].color;
    }
    if (xf.border < borderList_.size()) {
        const Borders& b = borderList_[xf.border];
        format.style.borderLeft = b.left.line;
        format.style.borderTop = b.top.line;
        format.style.borderLeftColor = b.left.color;
        format.style.borderTopColor = b.top.color;
        format.right = b.right.line;
        format.bottom = b.bottom.line;
        format.rightColor = b.right.color;
        format.bottomColor = b.bottom.color;
    }
    const auto custom = numberFormats_.find(xf.numberFormat);
    QString code = custom != numberFormats_.end() ? custom->second : builtinNumberFormat(xf.numberFormat);
    format.style.numberFormat = code.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0 ? QString() : code;
    return format;
}

std::vector<XlsxCellFormat> XlsxStyles::cellFormats() const
{
    std::vector<XlsxCellFormat> formats;
    formats.reserve(cellXfs_.size());
    for (std::size_t i = 0; i < cellXfs_.size(); ++i) {
        formats.push_back(resolve(cellXfs_[i]));
        if (i < facts_.size()) {
            formats.back().style.locked = facts_[i].locked;
            formats.back().style.alignHorz = facts_[i].alignment;
            formats.back().style.alignVert = facts_[i].vertical;
            formats.back().style.wrapText = facts_[i].wrap;
        }
    }
    return formats;
}

}  // namespace spreadsheet::io
