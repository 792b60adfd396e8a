#pragma once

#include "XlsxArrayFormula.h"
#include "XlsxCellFormat.h"
#include "XlsxFormula.h"
#include "XlsxNamedExpression.h"
#include "XlsxPackageScan.h"
#include "XlsxSheetProperties.h"
#include "XlsxSheetView.h"

#include <orcus/spreadsheet/import_interface.hpp>

#include <cstdint>
#include <functional>
#include <map>
#include <unordered_map>

namespace spreadsheet::io {

class ImportSink;
class XlsxSharedStrings;

// One sheet of the file. Values go to the sink as they come; cell formats
// wait for the end, when right and bottom borders can be moved onto the
// neighbouring cells.
class XlsxSheet : public orcus::spreadsheet::iface::import_sheet {
public:
    struct Context {
        ImportSink& sink;
        const XlsxSharedStrings& strings;
        XlsxFormulaTable& formulas;
        bool dates1904 = false;
    };
    XlsxSheet(int index, Context context, std::function<void()> activate);

    orcus::spreadsheet::iface::import_sheet_view* get_sheet_view() override { return &view_; }
    orcus::spreadsheet::iface::import_sheet_properties* get_sheet_properties() override { return &properties_; }
    orcus::spreadsheet::iface::import_named_expression* get_named_expression() override { return &names_; }
    orcus::spreadsheet::iface::import_array_formula* get_array_formula() override { return &arrayFormula_; }
    orcus::spreadsheet::iface::import_formula* get_formula() override { return &formula_; }

    void set_auto(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, std::string_view s) override;
    void set_string(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                    orcus::spreadsheet::string_id_t sindex) override;
    void set_value(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, double value) override;
    void set_bool(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, bool value) override;
    void set_date_time(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, int year, int month, int day,
                       int hour, int minute, double second) override;
    void set_format(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, size_t xf_index) override;
    void set_format(orcus::spreadsheet::row_t row_start, orcus::spreadsheet::col_t col_start,
                    orcus::spreadsheet::row_t row_end, orcus::spreadsheet::col_t col_end, size_t xf_index) override;
    void fill_down_cells(orcus::spreadsheet::row_t src_row, orcus::spreadsheet::col_t src_col,
                         orcus::spreadsheet::row_t range_size) override;
    orcus::spreadsheet::range_size_t get_sheet_size() const override;

    // What the package scan found that liborcus did not report.
    void addExtras(const XlsxSheetExtras& extras);
    // Styles and line formats to the sink, once the style part is known.
    void flush(const std::vector<XlsxCellFormat>& formats);

private:
    static std::uint64_t key(int row, int column);
    void put(int row, int column, const Value& value);
    void moveBorders(const std::vector<XlsxCellFormat>& formats, std::map<std::uint64_t, CellStyle>& styles) const;
    void shiftDates(const std::map<std::uint64_t, CellStyle>& styles);

    int index_;
    Context context_;
    XlsxSheetView view_;
    XlsxSheetProperties properties_;
    XlsxNamedExpression names_;
    XlsxFormula formula_;
    XlsxArrayFormula arrayFormula_;
    std::unordered_map<std::uint64_t, size_t> formats_;
    std::unordered_map<std::uint64_t, double> numbers_;  // only for 1904 files
    int lastRow_ = -1;
    int lastColumn_ = -1;
    Value lastValue_;
};

}  // namespace spreadsheet::io
