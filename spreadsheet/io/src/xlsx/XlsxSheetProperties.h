#pragma once

#include <spreadsheet/CellRange.h>

#include <orcus/spreadsheet/import_interface.hpp>

#include <map>
#include <vector>

namespace spreadsheet::io {

class ImportSink;

// Row heights, column widths, hidden lines and merged areas of one sheet.
// Size and visibility of a line arrive apart and leave together.
class XlsxSheetProperties : public orcus::spreadsheet::iface::import_sheet_properties {
public:
    void set_column_width(orcus::spreadsheet::col_t col, double width, orcus::length_unit_t unit) override;
    void set_column_hidden(orcus::spreadsheet::col_t col, bool hidden) override;
    void set_row_height(orcus::spreadsheet::row_t row, double height, orcus::length_unit_t unit) override;
    void set_row_hidden(orcus::spreadsheet::row_t row, bool hidden) override;
    // liborcus misses the merges of parts it cannot find: they come from
    // the package scan instead.
    void set_merge_cell_range(const orcus::spreadsheet::range_t&) override {}
    void addMerge(const CellRange& area) { merges_.push_back(area); }

    void flush(ImportSink& sink, int sheet);

private:
    struct Line {
        int size = -1;
        bool hidden = false;
    };
    std::map<int, Line> rows_;
    std::map<int, Line> columns_;
    std::vector<CellRange> merges_;
};

}  // namespace spreadsheet::io
