#include "XlsxArrayFormula.h"

#include "XlsxFormula.h"

#include <spreadsheet/io/ImportSink.h>

namespace spreadsheet::io {

void XlsxArrayFormula::set_range(const orcus::spreadsheet::range_t& range)
{
    range_ = CellRange::normalized(range.first.row, range.first.column, range.last.row, range.last.column);
}

void XlsxArrayFormula::set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view formula)
{
    text_ = QString::fromUtf8(formula.data(), static_cast<qsizetype>(formula.size()));
}

void XlsxArrayFormula::set_result_string(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                                         std::string_view value)
{
    results_[{row, col}] = XlsxFormula::cachedText(value);
}

void XlsxArrayFormula::set_result_value(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, double value)
{
    results_[{row, col}] = Value(value);
}

void XlsxArrayFormula::set_result_bool(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, bool value)
{
    results_[{row, col}] = Value::boolean(value);
}

void XlsxArrayFormula::set_result_empty(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col)
{
    results_.erase({row, col});
}

void XlsxArrayFormula::commit()
{
    // Results are numbered from the array's top-left cell.
    const auto topLeft = results_.find({0, 0});
    table_.add({sheet_, range_.top, range_.left, text_, std::nullopt, topLeft == results_.end() ? Value() : topLeft->second});
    for (const auto& [at, value] : results_) {
        if (at != std::make_pair(0, 0)) {
            sink_.setValue(sheet_, range_.top + at.first, range_.left + at.second, value);
        }
    }
    results_.clear();
    text_.clear();
}

}  // namespace spreadsheet::io
