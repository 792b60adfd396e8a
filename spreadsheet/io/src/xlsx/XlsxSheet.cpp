#include "XlsxSheet.h"

#include "NumberFormat.h"

#include <spreadsheet/io/ImportSink.h>

namespace spreadsheet::io {

namespace {

// Formats given for larger areas are whole rows or columns: the workbook
// has no line styles, and styling a million cells one by one is no answer.
constexpr long long kMaxFormattedArea = 65536;

// Days from 1899-12-30, Excel's day 0 in the 1900 system, to 1904-01-01.
constexpr double k1904Offset = 1462.0;

int rowOf(std::uint64_t key)
{
    return static_cast<int>(key >> 32);
}

int columnOf(std::uint64_t key)
{
    return static_cast<int>(key & 0xFFFFFFFFu);
}

}  // namespace

XlsxSheet::XlsxSheet(int index, Context context, std::function<void()> activate)
    : index_(index), context_(context), view_(std::move(activate))
{
}

std::uint64_t XlsxSheet::key(int row, int column)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) | static_cast<std::uint32_t>(column);
}

void XlsxSheet::set_format(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, size_t xf_index)
{
    read_ = true;
    if (row >= 0 && col >= 0) {
        formats_[key(row, col)] = xf_index;
    }
}

void XlsxSheet::set_format(orcus::spreadsheet::row_t row_start, orcus::spreadsheet::col_t col_start,
                           orcus::spreadsheet::row_t row_end, orcus::spreadsheet::col_t col_end, size_t xf_index)
{
    const long long area = (static_cast<long long>(row_end) - row_start + 1) * (static_cast<long long>(col_end) - col_start + 1);
    if (area <= 0 || area > kMaxFormattedArea) {
        return;
    }
    for (int row = row_start; row <= row_end; ++row) {
        for (int col = col_start; col <= col_end; ++col) {
            set_format(row, col, xf_index);
        }
    }
}

orcus::spreadsheet::range_size_t XlsxSheet::get_sheet_size() const
{
    return {kMaxRows, kMaxColumns};
}

void XlsxSheet::moveBorders(const std::vector<XlsxCellFormat>& formats, std::map<std::uint64_t, CellStyle>& styles) const
{
    const auto give = [&styles](int row, int column, BorderLine line, BorderLine CellStyle::*side) {
        if (line == BorderLine::None || !CellAddress{row, column}.isValid()) {
            return;
        }
        CellStyle& style = styles[key(row, column)];
        if (style.*side == BorderLine::None) {
            style.*side = line;
        }
    };
    for (const auto& [at, xf] : formats_) {
        if (xf < formats.size()) {
            give(rowOf(at), columnOf(at) + 1, formats[xf].right, &CellStyle::borderLeft);
            give(rowOf(at) + 1, columnOf(at), formats[xf].bottom, &CellStyle::borderTop);
        }
    }
}

void XlsxSheet::addExtras(const XlsxSheetExtras& extras)
{
    for (int row : extras.hiddenRows) {
        properties_.set_row_hidden(row, true);
    }
    for (const auto& [first, last] : extras.hiddenColumns) {
        for (int column = first; column <= last; ++column) {
            properties_.set_column_hidden(column, true);
        }
    }
    for (const CellRange& merge : extras.merges) {
        properties_.addMerge(merge);
    }
    for (const XlsxCell& cell : extras.cells) {
        if (cell.format) {
            formats_.try_emplace(key(cell.row, cell.column), *cell.format);
        }
    }
    cells_ = extras.cells;
}

// The workbook counts days in the 1900 system only: serial numbers of a
// 1904 file move, in the cells that show them as dates.
void XlsxSheet::addCell(XlsxCell cell, const std::map<std::uint64_t, CellStyle>& styles)
{
    if (context_.dates1904 && cell.serialDate) {
        const auto style = styles.find(key(cell.row, cell.column));
        if (style != styles.end() && NumberFormat::isDateFormat(style->second.numberFormat)) {
            cell.value = Value(cell.value.number() + k1904Offset);
        }
    }
    if (cell.formula) {
        context_.formulas.add({index_, cell.row, cell.column, cell.formula->text, cell.formula->sharedIndex, cell.value});
    } else if (!cell.value.isEmpty()) {
        context_.sink.setValue(index_, cell.row, cell.column, cell.value);
    }
}

void XlsxSheet::flush(const std::vector<XlsxCellFormat>& formats, const CellStyle& sheetDefault)
{
    std::map<std::uint64_t, CellStyle> styles;
    for (const auto& [at, xf] : formats_) {
        if (xf < formats.size()) {
            styles[at] = formats[xf].style;
        }
    }
    moveBorders(formats, styles);
    for (XlsxCell& cell : cells_) {
        addCell(std::move(cell), styles);
    }
    for (const auto& [at, style] : styles) {
        if (!(style == sheetDefault)) {
            context_.sink.setStyle(index_, rowOf(at), columnOf(at), style);
        }
    }
    properties_.flush(context_.sink, index_);
    formats_.clear();
    cells_.clear();
}

}  // namespace spreadsheet::io
