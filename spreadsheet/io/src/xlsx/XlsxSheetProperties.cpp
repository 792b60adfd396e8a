#include "XlsxSheetProperties.h"

#include "XlsxUnits.h"

#include <spreadsheet/io/ImportSink.h>

#include <array>

namespace spreadsheet::io {

namespace {

struct UnitScale {
    orcus::length_unit_t unit;
    double pixelsPerUnit;
};

constexpr std::array<UnitScale, 6> kScales{{
    {orcus::length_unit_t::point, 96.0 / 72.0},
    {orcus::length_unit_t::inch, 96.0},
    {orcus::length_unit_t::centimeter, 96.0 / 2.54},
    {orcus::length_unit_t::millimeter, 96.0 / 25.4},
    {orcus::length_unit_t::twip, 96.0 / 1440.0},
    {orcus::length_unit_t::pixel, 1.0},
}};

// Lengths of no known unit are taken as points, the unit of row heights.
int physicalPixels(double length, orcus::length_unit_t unit)
{
    for (const UnitScale& scale : kScales) {
        if (scale.unit == unit) {
            return lengthPixels(length, scale.pixelsPerUnit);
        }
    }
    return lengthPixels(length, kScales.front().pixelsPerUnit);
}

}  // namespace

void XlsxSheetProperties::set_column_width(orcus::spreadsheet::col_t col, double width, orcus::length_unit_t unit)
{
    const bool digits = unit == orcus::length_unit_t::xlsx_column_digit || unit == orcus::length_unit_t::unknown;
    columns_[col].size = digits ? digitWidthPixels(width) : physicalPixels(width, unit);
}

void XlsxSheetProperties::set_column_hidden(orcus::spreadsheet::col_t col, bool hidden)
{
    columns_[col].hidden = hidden;
}

void XlsxSheetProperties::set_row_height(orcus::spreadsheet::row_t row, double height, orcus::length_unit_t unit)
{
    rows_[row].size = physicalPixels(height, unit);
}

void XlsxSheetProperties::set_row_hidden(orcus::spreadsheet::row_t row, bool hidden)
{
    rows_[row].hidden = hidden;
}

void XlsxSheetProperties::flush(ImportSink& sink, int sheet)
{
    for (const auto& [row, line] : rows_) {
        sink.setRowFormat(sheet, row, line.size, line.hidden);
    }
    for (const auto& [column, line] : columns_) {
        sink.setColumnFormat(sheet, column, line.size, line.hidden);
    }
    for (const CellRange& area : merges_) {
        sink.addMerge(sheet, area);
    }
    rows_.clear();
    columns_.clear();
    merges_.clear();
}

}  // namespace spreadsheet::io
