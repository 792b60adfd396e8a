#pragma once

#include "XlsxCellFormat.h"
#include "XlsxPackageScan.h"

#include <orcus/spreadsheet/import_interface.hpp>

#include <map>
#include <vector>

namespace spreadsheet::io {

// Collects the style tables of an xlsx file and turns each cell format
// (xf) into what the workbook can hold: font, horizontal alignment, the
// four borders and their colours, the font colour, a solid fill, the number
// format code and the locked flag. Patterned fills and named cell styles are
// not kept.
class XlsxStyles : public orcus::spreadsheet::iface::import_styles {
public:
    using color_elem_t = orcus::spreadsheet::color_elem_t;

    XlsxStyles();

    void set_font_count(size_t) override {}
    void set_font_bold(bool b) override { font_.bold = b; }
    void set_font_italic(bool b) override { font_.italic = b; }
    void set_font_name(std::string_view s) override;
    void set_font_size(double point) override;
    void set_font_underline(orcus::spreadsheet::underline_t e) override;
    void set_font_underline_width(orcus::spreadsheet::underline_width_t) override {}
    void set_font_underline_mode(orcus::spreadsheet::underline_mode_t) override {}
    void set_font_underline_type(orcus::spreadsheet::underline_type_t) override {}
    void set_font_underline_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    void set_font_color(color_elem_t alpha, color_elem_t red, color_elem_t green, color_elem_t blue) override;
    void set_strikethrough_style(orcus::spreadsheet::strikethrough_style_t s) override;
    void set_strikethrough_type(orcus::spreadsheet::strikethrough_type_t s) override;
    void set_strikethrough_width(orcus::spreadsheet::strikethrough_width_t) override {}
    void set_strikethrough_text(orcus::spreadsheet::strikethrough_text_t) override {}
    size_t commit_font() override;

    void set_fill_count(size_t) override {}
    void set_fill_pattern_type(orcus::spreadsheet::fill_pattern_t fp) override;
    void set_fill_fg_color(color_elem_t alpha, color_elem_t red, color_elem_t green, color_elem_t blue) override;
    void set_fill_bg_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    size_t commit_fill() override;

    void set_border_count(size_t) override {}
    void set_border_style(orcus::spreadsheet::border_direction_t dir, orcus::spreadsheet::border_style_t style) override;
    void set_border_color(orcus::spreadsheet::border_direction_t dir, color_elem_t alpha, color_elem_t red,
                          color_elem_t green, color_elem_t blue) override;
    void set_border_width(orcus::spreadsheet::border_direction_t, double, orcus::length_unit_t) override {}
    size_t commit_border() override;

    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    size_t commit_cell_protection() override { return protectionCount_++; }

    void set_number_format_count(size_t) override {}
    void set_number_format_identifier(size_t id) override { numberFormatId_ = id; }
    void set_number_format_code(std::string_view s) override;
    size_t commit_number_format() override;

    void set_cell_xf_count(size_t) override {}
    void set_cell_style_xf_count(size_t) override {}
    void set_dxf_count(size_t) override {}
    void set_xf_font(size_t index) override { xf_.font = index; }
    void set_xf_fill(size_t index) override { xf_.fill = index; }
    void set_xf_border(size_t index) override { xf_.border = index; }
    void set_xf_protection(size_t) override {}
    void set_xf_number_format(size_t index) override { xf_.numberFormat = index; }
    void set_xf_style_xf(size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(orcus::spreadsheet::hor_alignment_t align) override;
    void set_xf_vertical_alignment(orcus::spreadsheet::ver_alignment_t) override {}
    size_t commit_cell_xf() override;
    size_t commit_cell_style_xf() override;
    size_t commit_dxf() override;

    void set_cell_style_count(size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(size_t) override {}
    void set_cell_style_builtin(size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    size_t commit_cell_style() override { return cellStyleCount_++; }

    // Locking, alignment and wrapping of each cell format, read apart from
    // liborcus, which misreads the first two in some files and does not read
    // wrapping; without them cells are locked.
    void setFormatFacts(std::vector<XlsxFormatFacts> facts) { facts_ = std::move(facts); }
    // Underlines and strike-outs by font index, which liborcus misses.
    void setFontFacts(std::vector<XlsxFontFacts> lines) { fontFacts_ = std::move(lines); }

    // The cell formats by xf index, once the whole style part was read.
    // The file's default font (its first) becomes the workbook's default
    // font, so that cells look alike whether they carry a format or not.
    std::vector<XlsxCellFormat> cellFormats() const;

private:
    struct Edge {
        BorderLine line = BorderLine::None;
        CellColor color;
    };
    struct Borders {
        Edge left, top, right, bottom;
        Edge* edge(orcus::spreadsheet::border_direction_t dir);
    };
    struct Fill {
        bool solid = false;
        CellColor color;
    };
    struct RawXf {
        size_t font = 0;
        size_t fill = 0;
        size_t border = 0;
        size_t numberFormat = 0;
        HorizontalAlignment align = HorizontalAlignment::General;
    };
    CellFont fontAt(size_t index) const;
    XlsxCellFormat resolve(const RawXf& xf) const;

    CellFont font_;
    std::vector<CellFont> fonts_;
    Borders borders_;
    std::vector<Borders> borderList_;
    Fill fill_;
    std::vector<Fill> fills_;
    std::vector<XlsxFormatFacts> facts_;
    std::vector<XlsxFontFacts> fontFacts_;
    size_t protectionCount_ = 0;
    size_t numberFormatId_ = 0;
    QString numberFormatCode_;
    std::map<size_t, QString> numberFormats_;
    RawXf xf_;
    std::vector<RawXf> cellXfs_;
    size_t styleXfCount_ = 0;
    size_t dxfCount_ = 0;
    size_t cellStyleCount_ = 0;
};

}  // namespace spreadsheet::io
