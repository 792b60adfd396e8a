#pragma once

#include "XlsxCellFormat.h"
#include "XlsxFormulaTable.h"
#include "XlsxIgnoredParts.h"
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

// One sheet of the file. Its cells and merges come from the package scan;
// liborcus gives the cell formats, line sizes and the view. Cell formats
// wait for the end, when right and bottom borders can be moved onto the
// neighbouring cells.
class XlsxSheet : public orcus::spreadsheet::iface::import_sheet {
public:
    struct Context {
        ImportSink& sink;
        XlsxFormulaTable& formulas;
        bool dates1904 = false;
    };
    XlsxSheet(int index, Context context, std::function<void()> activate);

    orcus::spreadsheet::iface::import_sheet_view* get_sheet_view() override
    {
        read_ = true;
        return &view_;
    }
    orcus::spreadsheet::iface::import_sheet_properties* get_sheet_properties() override
    {
        read_ = true;
        return &properties_;
    }
    orcus::spreadsheet::iface::import_named_expression* get_named_expression() override { return &names_; }
    orcus::spreadsheet::iface::import_array_formula* get_array_formula() override { return &arrayFormula_; }
    orcus::spreadsheet::iface::import_formula* get_formula() override { return &formula_; }

    // liborcus's cell values are not taken: the scan reads them exactly.
    void set_auto(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, std::string_view) override {}
    void set_string(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, orcus::spreadsheet::string_id_t) override {}
    void set_value(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, double) override {}
    void set_bool(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, bool) override {}
    void set_date_time(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, int, int, int, int, int, double) override {}
    void fill_down_cells(orcus::spreadsheet::row_t, orcus::spreadsheet::col_t, orcus::spreadsheet::row_t) override {}
    void set_format(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, size_t xf_index) override;
    void set_format(orcus::spreadsheet::row_t row_start, orcus::spreadsheet::col_t col_start,
                    orcus::spreadsheet::row_t row_end, orcus::spreadsheet::col_t col_end, size_t xf_index) override;
    orcus::spreadsheet::range_size_t get_sheet_size() const override;

    // liborcus found the sheet's part: it asked for its views or line
    // properties, or gave a cell format.
    bool wasRead() const { return read_; }
    // The cells and what else the package scan found.
    void addExtras(const XlsxSheetExtras& extras);
    // Styles and line formats to the sink, once the style part is known.
    // Styles equal to the sheet's default are left to it.
    void flush(const std::vector<XlsxCellFormat>& formats, const CellStyle& sheetDefault);

private:
    using Formatted = std::vector<std::pair<std::uint64_t, std::uint32_t>>;  // by key, each key once
    static std::uint64_t key(int row, int column);
    Formatted formatted(std::size_t formatCount);
    void addCell(const XlsxCell& cell, const std::vector<XlsxCellFormat>& formats, const Formatted& formatted,
                 const std::map<std::uint64_t, CellStyle>& bordered);
    std::map<std::uint64_t, CellStyle> moveBorders(const std::vector<XlsxCellFormat>& formats,
                                                   const Formatted& formatted) const;
    void giveStyles(const std::vector<XlsxCellFormat>& formats, const Formatted& formatted,
                    const std::map<std::uint64_t, CellStyle>& bordered, const CellStyle& sheetDefault);

    int index_;
    Context context_;
    XlsxSheetView view_;
    XlsxSheetProperties properties_;
    XlsxIgnoredNames names_;
    XlsxIgnoredFormula formula_;
    XlsxIgnoredArrayFormula arrayFormula_;
    std::vector<std::pair<std::uint64_t, size_t>> formats_;  // liborcus's, in the order given
    const XlsxCellPieces* cells_ = nullptr;                   // the scan's
    bool read_ = false;
};

}  // namespace spreadsheet::io
