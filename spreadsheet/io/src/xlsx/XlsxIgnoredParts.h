#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

namespace spreadsheet::io {

// liborcus needs a shared string table to read a file, but its reading
// takes phonetic text as the text and drops a plain first run: the package
// scan reads the strings instead, and this table only counts.
class XlsxIgnoredStrings : public orcus::spreadsheet::iface::import_shared_strings {
public:
    size_t append(std::string_view) override { return count_++; }
    size_t add(std::string_view) override { return count_++; }
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override
    {
    }
    void append_segment(std::string_view) override {}
    size_t commit_segments() override { return count_++; }

private:
    size_t count_ = 0;
};

// liborcus needs somewhere to put formulas and names; the package scan
// reads them, with results liborcus loses and names of one sheet it drops.
class XlsxIgnoredFormula : public orcus::spreadsheet::iface::import_formula {
public:
    void set_position(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t) override {}
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(size_t) override {}
    void set_result_string(std::string_view) override {}
    void set_result_value(double) override {}
    void set_result_bool(bool) override {}
    void set_result_empty() override {}
    void commit() override {}
};

class XlsxIgnoredArrayFormula : public orcus::spreadsheet::iface::import_array_formula {
public:
    void set_range(const orcus::spreadsheet::range_t&) override {}
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_result_string(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, std::string_view) override {}
    void set_result_value(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, double) override {}
    void set_result_bool(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, bool) override {}
    void set_result_empty(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t) override {}
    void commit() override {}
};

class XlsxIgnoredNames : public orcus::spreadsheet::iface::import_named_expression {
public:
    void set_base_position(const orcus::spreadsheet::src_address_t&) override {}
    void set_named_expression(std::string_view, std::string_view) override {}
    void set_named_range(std::string_view, std::string_view) override {}
    void commit() override {}
};

}  // namespace spreadsheet::io
