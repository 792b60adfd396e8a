#pragma once

#include "XlsxFormulaTable.h"

#include <spreadsheet/CellRange.h>

#include <orcus/spreadsheet/import_interface.hpp>

#include <map>

namespace spreadsheet::io {

class ImportSink;

// The workbook has no array formulas: the top-left cell of the array keeps
// the formula, the other cells keep the values the file cached.
class XlsxArrayFormula : public orcus::spreadsheet::iface::import_array_formula {
public:
    XlsxArrayFormula(int sheet, ImportSink& sink, XlsxFormulaTable& table) : sheet_(sheet), sink_(sink), table_(table) {}

    void set_range(const orcus::spreadsheet::range_t& range) override;
    void set_formula(orcus::spreadsheet::formula_grammar_t grammar, std::string_view formula) override;
    void set_result_string(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, std::string_view value) override;
    void set_result_value(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, double value) override;
    void set_result_bool(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, bool value) override;
    void set_result_empty(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col) override;
    void commit() override;

private:
    int sheet_;
    ImportSink& sink_;
    XlsxFormulaTable& table_;
    CellRange range_;
    QString text_;
    std::map<std::pair<int, int>, Value> results_;
};

}  // namespace spreadsheet::io
