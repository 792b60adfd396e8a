#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

namespace spreadsheet::io {

// Workbook-wide settings: the formula grammar (always the file's own, so
// formula text arrives as the file writes it) and the date origin.
class XlsxGlobalSettings : public orcus::spreadsheet::iface::import_global_settings {
public:
    void set_origin_date(int year, int month, int day) override;
    void set_default_formula_grammar(orcus::spreadsheet::formula_grammar_t grammar) override { grammar_ = grammar; }
    orcus::spreadsheet::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

    // Files of the 1904 date system count days from 1904-01-01.
    bool uses1904Dates() const { return uses1904_; }

private:
    orcus::spreadsheet::formula_grammar_t grammar_ = orcus::spreadsheet::formula_grammar_t::xlsx;
    bool uses1904_ = false;
};

}  // namespace spreadsheet::io
