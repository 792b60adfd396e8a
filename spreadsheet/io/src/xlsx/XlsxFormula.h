#pragma once

#include "XlsxFormulaTable.h"

#include <orcus/spreadsheet/import_interface.hpp>

namespace spreadsheet::io {

// One formula cell of a sheet at a time, with the result the file cached.
class XlsxFormula : public orcus::spreadsheet::iface::import_formula {
public:
    XlsxFormula(int sheet, XlsxFormulaTable& table) : sheet_(sheet), table_(table) {}

    void set_position(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col) override;
    void set_formula(orcus::spreadsheet::formula_grammar_t grammar, std::string_view formula) override;
    void set_shared_formula_index(size_t index) override { cell_.sharedIndex = index; }
    void set_result_string(std::string_view value) override;
    void set_result_value(double value) override { cell_.cached = Value(value); }
    void set_result_bool(bool value) override { cell_.cached = Value::boolean(value); }
    void set_result_empty() override { cell_.cached = Value(); }
    void commit() override;

    // A cached text that spells an error literal is that error: the reader
    // hands error results over as text.
    static Value cachedText(std::string_view text);

private:
    int sheet_;
    XlsxFormulaTable& table_;
    XlsxFormulaCell cell_;
};

}  // namespace spreadsheet::io
