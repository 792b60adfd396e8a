#include "XlsxSheet.h"

#include "NumberFormat.h"
#include "XlsxSharedStrings.h"

#include <spreadsheet/io/ImportSink.h>

#include <QDate>

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
    : index_(index),
      context_(context),
      view_(std::move(activate)),
      names_(context.sink),
      formula_(index, context.formulas),
      arrayFormula_(index, context.sink, context.formulas)
{
}

std::uint64_t XlsxSheet::key(int row, int column)
{
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) | static_cast<std::uint32_t>(column);
}

void XlsxSheet::put(int row, int column, const Value& value)
{
    context_.sink.setValue(index_, row, column, value);
    lastRow_ = row;
    lastColumn_ = column;
    lastValue_ = value;
    if (context_.dates1904 && value.isNumber()) {
        numbers_[key(row, column)] = value.number();
    }
}

void XlsxSheet::set_auto(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, std::string_view s)
{
    // Only inline strings come this way from an xlsx file: they are text.
    put(row, col, Value(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))));
}

void XlsxSheet::set_string(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col,
                           orcus::spreadsheet::string_id_t sindex)
{
    put(row, col, Value(context_.strings.at(sindex)));
}

void XlsxSheet::set_value(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, double value)
{
    put(row, col, Value(value));
}

void XlsxSheet::set_bool(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, bool value)
{
    put(row, col, Value::boolean(value));
}

void XlsxSheet::set_date_time(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, int year, int month,
                              int day, int hour, int minute, double second)
{
    // Stored as the serial number of the 1900 system, which the workbook uses.
    const qint64 days = QDate(year, month, day).toJulianDay() - QDate(1899, 12, 30).toJulianDay();
    const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    context_.sink.setValue(index_, row, col, Value(static_cast<double>(days) + time));
    lastRow_ = -1;
}

void XlsxSheet::set_format(orcus::spreadsheet::row_t row, orcus::spreadsheet::col_t col, size_t xf_index)
{
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

void XlsxSheet::fill_down_cells(orcus::spreadsheet::row_t src_row, orcus::spreadsheet::col_t src_col,
                                orcus::spreadsheet::row_t range_size)
{
    if (src_row != lastRow_ || src_col != lastColumn_) {
        return;
    }
    const Value value = lastValue_;
    for (int i = 1; i <= range_size; ++i) {
        put(src_row + i, src_col, value);
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

void XlsxSheet::shiftDates(const std::map<std::uint64_t, CellStyle>& styles)
{
    for (const auto& [at, number] : numbers_) {
        const auto style = styles.find(at);
        if (style != styles.end() && NumberFormat::isDateFormat(style->second.numberFormat)) {
            context_.sink.setValue(index_, rowOf(at), columnOf(at), Value(number + k1904Offset));
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
    context_.formulas.setResults(index_, extras.formulaResults);
}

void XlsxSheet::flush(const std::vector<XlsxCellFormat>& formats)
{
    std::map<std::uint64_t, CellStyle> styles;
    for (const auto& [at, xf] : formats_) {
        if (xf < formats.size()) {
            styles[at] = formats[xf].style;
        }
    }
    moveBorders(formats, styles);
    shiftDates(styles);
    const CellStyle plain;
    for (const auto& [at, style] : styles) {
        if (!(style == plain)) {
            context_.sink.setStyle(index_, rowOf(at), columnOf(at), style);
        }
    }
    properties_.flush(context_.sink, index_);
    formats_.clear();
    numbers_.clear();
}

}  // namespace spreadsheet::io
