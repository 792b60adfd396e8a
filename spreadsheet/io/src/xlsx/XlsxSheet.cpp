#include "XlsxSheet.h"

#include "NumberFormat.h"

#include <spreadsheet/io/ImportSink.h>

#include <algorithm>

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
        formats_.emplace_back(key(row, col), xf_index);
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

namespace {

bool byKey(const std::pair<std::uint64_t, std::size_t>& a, const std::pair<std::uint64_t, std::size_t>& b)
{
    return a.first < b.first;
}

}  // namespace

// liborcus's formats win, the last one given for a cell; the scan's (the
// first for a cell) fill the cells liborcus did not format. Sorted vectors
// rather than maps: a sheet may format a million cells.
XlsxSheet::Formatted XlsxSheet::formatted(std::size_t formatCount)
{
    std::stable_sort(formats_.begin(), formats_.end(), byKey);
    std::vector<std::pair<std::uint64_t, std::size_t>> scanned;
    for (const std::vector<XlsxCell>& piece : *cells_) {
        for (const XlsxCell& cell : piece) {
            if (cell.format) {
                scanned.emplace_back(key(cell.row, cell.column), *cell.format);
            }
        }
    }
    std::stable_sort(scanned.begin(), scanned.end(), byKey);
    Formatted out;
    out.reserve(formats_.size() + scanned.size());
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        const bool last = i + 1 == formats_.size() || formats_[i + 1].first != formats_[i].first;
        if (last && formats_[i].second < formatCount) {
            out.emplace_back(formats_[i].first, static_cast<std::uint32_t>(formats_[i].second));
        }
    }
    const auto given = static_cast<std::ptrdiff_t>(out.size());
    for (std::size_t i = 0; i < scanned.size(); ++i) {
        const bool first = i == 0 || scanned[i - 1].first != scanned[i].first;
        const bool byOrcus = std::binary_search(formats_.begin(), formats_.end(), scanned[i], byKey);
        if (first && !byOrcus && scanned[i].second < formatCount) {
            out.emplace_back(scanned[i].first, static_cast<std::uint32_t>(scanned[i].second));
        }
    }
    std::inplace_merge(out.begin(), out.begin() + given, out.end(), byKey);
    formats_ = {};
    return out;
}

std::map<std::uint64_t, CellStyle> XlsxSheet::moveBorders(const std::vector<XlsxCellFormat>& formats,
                                                          const Formatted& formatted) const
{
    std::map<std::uint64_t, CellStyle> bordered;
    const auto give = [&](int row, int column, BorderLine line, CellColor color, BorderLine CellStyle::*side,
                          CellColor CellStyle::*sideColor) {
        if (line == BorderLine::None || !CellAddress{row, column}.isValid()) {
            return;
        }
        const std::uint64_t k = key(row, column);
        auto it = bordered.find(k);
        if (it == bordered.end()) {
            const auto f = std::lower_bound(formatted.begin(), formatted.end(), k,
                                            [](const auto& a, std::uint64_t x) { return a.first < x; });
            it = bordered.emplace(k, f != formatted.end() && f->first == k ? formats[f->second].style : CellStyle{}).first;
        }
        if (it->second.*side == BorderLine::None) {
            it->second.*side = line;
            it->second.*sideColor = color;
        }
    };
    for (const auto& [at, xf] : formatted) {
        const XlsxCellFormat& f = formats[xf];
        give(rowOf(at), columnOf(at) + 1, f.right, f.rightColor, &CellStyle::borderLeft, &CellStyle::borderLeftColor);
        give(rowOf(at) + 1, columnOf(at), f.bottom, f.bottomColor, &CellStyle::borderTop, &CellStyle::borderTopColor);
    }
    return bordered;
}

void XlsxSheet::addExtras(const XlsxSheetExtras& extras)
{
    for (int row : extras.hiddenRows) {
        properties_.set_row_hidden(row, true);
    }
    for (const auto& [row, height] : extras.rowHeights) {
        properties_.set_row_height(row, height, orcus::length_unit_t::point);
    }
    for (const auto& [first, last] : extras.hiddenColumns) {
        for (int column = first; column <= last; ++column) {
            properties_.set_column_hidden(column, true);
        }
    }
    for (const CellRange& merge : extras.merges) {
        properties_.addMerge(merge);
    }
    cells_ = &extras.cells;
}

// The workbook counts days in the 1900 system only: serial numbers of a
// 1904 file move, in the cells that show them as dates.
void XlsxSheet::addCell(const XlsxCell& cell, const std::vector<XlsxCellFormat>& formats, const Formatted& formatted,
                        const std::map<std::uint64_t, CellStyle>& bordered)
{
    Value value = cell.value;
    if (context_.dates1904 && cell.serialDate) {
        const std::uint64_t k = key(cell.row, cell.column);
        const CellStyle* style = nullptr;
        const auto b = bordered.find(k);
        if (b != bordered.end()) {
            style = &b->second;
        } else {
            const auto f = std::lower_bound(formatted.begin(), formatted.end(), k,
                                            [](const auto& a, std::uint64_t x) { return a.first < x; });
            style = f != formatted.end() && f->first == k ? &formats[f->second].style : nullptr;
        }
        if (style && NumberFormat::isDateFormat(style->numberFormat)) {
            value = Value(value.number() + k1904Offset);
        }
    }
    if (cell.formula) {
        context_.formulas.add({index_, cell.row, cell.column, cell.formula->text, cell.formula->sharedIndex, value,
                               cell.formula->arrayArea, cell.formula->spills});
    } else if (!value.isEmpty()) {
        context_.sink.setValue(index_, cell.row, cell.column, value);
    }
}

void XlsxSheet::giveStyles(const std::vector<XlsxCellFormat>& formats, const Formatted& formatted,
                           const std::map<std::uint64_t, CellStyle>& bordered, const CellStyle& sheetDefault)
{
    std::vector<char> plain(formats.size());
    for (std::size_t i = 0; i < formats.size(); ++i) {
        plain[i] = formats[i].style == sheetDefault;
    }
    auto f = formatted.begin();
    auto b = bordered.begin();
    while (f != formatted.end() || b != bordered.end()) {
        const bool takeBorder = b != bordered.end() && (f == formatted.end() || b->first <= f->first);
        if (takeBorder) {
            if (!(b->second == sheetDefault)) {
                context_.sink.setStyle(index_, rowOf(b->first), columnOf(b->first), b->second);
            }
            if (f != formatted.end() && f->first == b->first) {
                ++f;
            }
            ++b;
        } else {
            if (!plain[f->second]) {
                context_.sink.setStyle(index_, rowOf(f->first), columnOf(f->first), formats[f->second].style);
            }
            ++f;
        }
    }
}

void XlsxSheet::flush(const std::vector<XlsxCellFormat>& formats, const CellStyle& sheetDefault)
{
    static const XlsxCellPieces kNoCells;
    if (!cells_) {
        cells_ = &kNoCells;
    }
    const Formatted cellFormats = formatted(formats.size());
    const std::map<std::uint64_t, CellStyle> bordered = moveBorders(formats, cellFormats);
    std::size_t formulas = 0;
    for (const std::vector<XlsxCell>& piece : *cells_) {
        formulas += static_cast<std::size_t>(
            std::count_if(piece.begin(), piece.end(), [](const XlsxCell& cell) { return cell.formula != nullptr; }));
    }
    context_.formulas.reserveMore(formulas);
    for (const std::vector<XlsxCell>& piece : *cells_) {
        for (const XlsxCell& cell : piece) {
            addCell(cell, formats, cellFormats, bordered);
        }
    }
    giveStyles(formats, cellFormats, bordered, sheetDefault);
    properties_.flush(context_.sink, index_);
    cells_ = nullptr;
}

}  // namespace spreadsheet::io
