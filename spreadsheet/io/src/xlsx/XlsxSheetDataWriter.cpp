#include "XlsxSheetDataWriter.h"

#include "Cell.h"
#include "ExcelFormula.h"
#include "Formula.h"
#include "FormulaWriter.h"
#include "XlsxFormatCache.h"
#include "XlsxSharedStrings.h"
#include "XlsxText.h"
#include "XlsxUnits.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>

#include <xlsxwriter.h>

#include <algorithm>
#include <climits>

namespace spreadsheet::io {

namespace {

// Excel gives a row's span, the columns its cells cover, for blocks of 16
// rows at a time.
constexpr int kSpanRowsShift = 4;
// A piece of about a megabyte keeps both cores busy without holding much.
constexpr std::size_t kPieceBytes = 1 << 20;
constexpr double kExcelDefaultRowPoints = 15;
constexpr qsizetype kMaxTextLength = 32767;  // code points, as Excel counts them

int blockOf(int row)
{
    return row >> kSpanRowsShift;
}

void appendInt(std::string& out, long long value)
{
    out += std::to_string(value);
}

long long codePoints(const QByteArray& utf8)
{
    return std::count_if(utf8.cbegin(), utf8.cend(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

void checkLength(const QByteArray& utf8, int row, int column)
{
    if (utf8.size() > kMaxTextLength && codePoints(utf8) > kMaxTextLength) {
        throw SpreadsheetError(QStringLiteral("Não foi possível exportar para o Excel (%1): %2.")
                                   .arg(cellAddressText(row, column),
                                        QString::fromUtf8(lxw_strerror(LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED))));
    }
}

}  // namespace

bool XlsxSheetDataWriter::canWrite(const Sheet& sheet)
{
    if (!sheet.data().spills.empty())
        return false;
    bool arrays = false;
    sheet.data().cells.forEachFormula({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int, int, const Cell& cell) {
        arrays = arrays || (cell.formula && cell.formula->isArrayFormula());
    });
    return !arrays;
}

XlsxSheetDataWriter::Result XlsxSheetDataWriter::write(const Sheet& sheet, XlsxFormatCache& formats,
                                                       XlsxSharedStrings& strings)
{
    XlsxSheetDataWriter writer(sheet, formats, strings);
    writer.run();
    return std::move(writer.result_);
}

XlsxSheetDataWriter::XlsxSheetDataWriter(const Sheet& sheet, XlsxFormatCache& formats, XlsxSharedStrings& strings)
    : sheet_(sheet), formats_(formats), strings_(strings), merges_(sheet.mergedAreas()),
      rowFormat_(sheet.data().rows.begin())
{
    // Rows with a size or visibility of their own, and those of merged
    // areas, are written even where no cell of the sheet lies.
    for (const auto& [row, line] : sheet.data().rows)
        lineRows_.push_back(row);
    for (const CellRange& area : merges_) {
        for (int row = area.top; row <= area.bottom; ++row)
            lineRows_.push_back(row);
    }
    std::sort(lineRows_.begin(), lineRows_.end());
    lineRows_.erase(std::unique(lineRows_.begin(), lineRows_.end()), lineRows_.end());
    std::sort(merges_.begin(), merges_.end(), [](const CellRange& a, const CellRange& b) { return a.top < b.top; });
    out_.reserve(kPieceBytes + 4096);
}

void XlsxSheetDataWriter::run()
{
    out_ += "<sheetData>";
    sheet_.data().cells.forEachByRow([&](int row, int column, const Cell& cell) {
        if (blockOf(row) != block_) {
            endBlock();
            block_ = blockOf(row);
        }
        entries_.push_back({row, column, &cell, nullptr});
    });
    endBlock();
    emitLineBlocksBefore(INT_MAX);
    if (out_ == "<sheetData>")
        out_ = "<sheetData/>";
    else
        out_ += "</sheetData>";
    flushText(true);
    result_.pieces = pieces_.take();
}

void XlsxSheetDataWriter::endBlock()
{
    if (block_ < 0)
        return;
    emitLineBlocksBefore(block_);
    emitBlock(block_);
    entries_.clear();
}

void XlsxSheetDataWriter::emitLineBlocksBefore(int block)
{
    std::vector<Entry> pending;
    pending.swap(entries_);
    while (nextLine_ < lineRows_.size() && blockOf(lineRows_[nextLine_]) < block) {
        emitBlock(blockOf(lineRows_[nextLine_]));
        entries_.clear();
    }
    entries_.swap(pending);
}

// The cells of a merged area take its top left cell's format; the sheet's
// own cells there are written instead of the blanks.
void XlsxSheetDataWriter::addMergeBlanks(int block)
{
    const int first = block << kSpanRowsShift;
    const int last = first + (1 << kSpanRowsShift) - 1;
    while (nextMerge_ < merges_.size() && merges_[nextMerge_].top <= last)
        activeMerges_.push_back(merges_[nextMerge_++]);
    std::erase_if(activeMerges_, [&](const CellRange& area) { return area.bottom < first; });
    if (activeMerges_.empty())
        return;
    const std::size_t cells = entries_.size();
    for (const CellRange& area : activeMerges_) {
        const CellStyle* style = &sheet_.style(area.top, area.left);
        for (int row = std::max(first, area.top); row <= std::min(last, area.bottom); ++row) {
            for (int column = area.left; column <= area.right; ++column)
                entries_.push_back({row, column, nullptr, style});
        }
    }
    if (entries_.size() == cells)
        return;
    const auto byPlace = [](const Entry& a, const Entry& b) { return std::tie(a.row, a.column) < std::tie(b.row, b.column); };
    std::stable_sort(entries_.begin(), entries_.end(), byPlace);
    const auto samePlace = [](const Entry& a, const Entry& b) { return a.row == b.row && a.column == b.column; };
    entries_.erase(std::unique(entries_.begin(), entries_.end(), samePlace), entries_.end());
}

void XlsxSheetDataWriter::emitBlock(int block)
{
    addMergeBlanks(block);
    std::string spans = "1:1";  // what rows without cells get
    std::string cellSpans;
    if (!entries_.empty()) {
        const auto [left, right] = std::minmax_element(entries_.begin(), entries_.end(),
                                                       [](const Entry& a, const Entry& b) { return a.column < b.column; });
        cellSpans = std::to_string(left->column + 1) + ':' + std::to_string(right->column + 1);
    }
    const Entry* next = entries_.data();
    const Entry* end = entries_.data() + entries_.size();
    while (next != end || (nextLine_ < lineRows_.size() && blockOf(lineRows_[nextLine_]) == block)) {
        int row = next != end ? next->row : INT_MAX;
        if (nextLine_ < lineRows_.size() && blockOf(lineRows_[nextLine_]) == block)
            row = std::min(row, lineRows_[nextLine_]);
        if (nextLine_ < lineRows_.size() && lineRows_[nextLine_] == row)
            ++nextLine_;
        const Entry* first = next;
        while (next != end && next->row == row)
            ++next;
        emitRow(row, first, next, first == next ? spans : cellSpans);
    }
    flushText(false);
}

void XlsxSheetDataWriter::emitRow(int row, const Entry* first, const Entry* last, const std::string& spans)
{
    const auto& rows = sheet_.data().rows;
    while (rowFormat_ != rows.end() && rowFormat_->first < row)
        ++rowFormat_;
    const LineFormat* line = rowFormat_ != rows.end() && rowFormat_->first == row ? &rowFormat_->second : nullptr;
    const double defaultPoints = sheet_.defaultRowHeight() * kPointsPerPixel;
    double points = line && line->size >= 0 ? line->size * kPointsPerPixel : defaultPoints;
    bool hidden = line && line->hidden;
    if (points == 0) {  // a row of no height is a hidden one of the default height
        hidden = true;
        points = defaultPoints;
    }
    out_ += "<row r=\"";
    appendInt(out_, row + 1);
    out_ += "\" spans=\"";
    out_ += spans;
    out_ += '"';
    const bool custom = points != kExcelDefaultRowPoints;
    if (custom) {
        out_ += " ht=\"";
        XlsxText::appendNumber(out_, points);
        out_ += '"';
    }
    if (hidden)
        out_ += " hidden=\"1\"";
    if (custom)
        out_ += " customHeight=\"1\"";
    if (first == last) {
        out_ += "/>";
        return;
    }
    out_ += '>';
    for (const Entry* entry = first; entry != last; ++entry)
        emitCell(*entry);
    out_ += "</row>";
}

const XlsxSheetDataWriter::Format& XlsxSheetDataWriter::format(const CellStyle& style)
{
    // A sheet's styles stay in place while it is written, so a style's
    // address names it; hashing the whole style for every cell cost more.
    auto [known, added] = byStyle_.try_emplace(&style, Format{nullptr, 0});
    if (added) {
        known->second.format = formats_.get(style);
        // The library numbers the formats as the cells first use them.
        known->second.index = lxw_format_get_xf_index(known->second.format);
        result_.format = known->second.format;
    }
    return known->second;
}

void XlsxSheetDataWriter::extend(const Entry& entry)
{
    if (!result_.extent) {
        result_.extent = CellRange::cell(entry.row, entry.column);
        return;
    }
    CellRange& e = *result_.extent;
    e.top = std::min(e.top, entry.row);
    e.bottom = std::max(e.bottom, entry.row);
    e.left = std::min(e.left, entry.column);
    e.right = std::max(e.right, entry.column);
}

void XlsxSheetDataWriter::openCell(const Entry& entry, const char* type)
{
    out_ += "<c r=\"";
    XlsxText::appendCellName(out_, entry.row, entry.column);
    out_ += '"';
    const Format& f = format(entry.style ? *entry.style : sheet_.style(entry.row, entry.column));
    if (f.index != 0) {
        out_ += " s=\"";
        appendInt(out_, f.index);
        out_ += '"';
    }
    if (type) {
        out_ += " t=\"";
        out_ += type;
        out_ += '"';
    }
}

void XlsxSheetDataWriter::emitCell(const Entry& entry)
{
    extend(entry);
    if (!entry.cell) {
        openCell(entry, nullptr);
        out_ += "/>";
        return;
    }
    const Cell& cell = *entry.cell;
    if (cell.kind == CellKind::Formula && cell.formula && cell.formula->isValid()) {
        emitFormula(entry, cell);
        return;
    }
    const Value value = sheet_.value(entry.row, entry.column);
    switch (value.type()) {
    case ValueType::Number:
        openCell(entry, nullptr);
        out_ += "><v>";
        XlsxText::appendNumber(out_, value.number());
        out_ += "</v></c>";
        break;
    case ValueType::Text:
        emitText(entry, value.text());
        break;
    case ValueType::Boolean:
        openCell(entry, "b");
        out_ += value.boolean() ? "><v>1</v></c>" : "><v>0</v></c>";
        break;
    case ValueType::Error: {
        // The file format has no way to write an error constant here: the
        // literal as a formula shows the same error.
        const QByteArray error = errorText(value.error()).toUtf8();
        openCell(entry, "str");
        out_ += "><f>";
        XlsxText::appendEscaped(out_, error);
        out_ += "</f><v>";
        XlsxText::appendEscaped(out_, error);
        out_ += "</v></c>";
        break;
    }
    case ValueType::Array:  // cells never hold arrays
    case ValueType::Empty:
        openCell(entry, nullptr);
        out_ += "/>";
        break;
    }
}

void XlsxSheetDataWriter::emitText(const Entry& entry, const QString& text)
{
    if (text.isEmpty()) {  // Excel keeps no empty texts: a blank with the format
        openCell(entry, nullptr);
        out_ += "/>";
        return;
    }
    if (text.size() > kMaxTextLength)
        checkLength(text.toUtf8(), entry.row, entry.column);
    openCell(entry, "s");
    out_ += "><v>";
    appendInt(out_, strings_.index(text));
    out_ += "</v></c>";
}

// The cached result goes with the formula, so that readers that do not
// calculate show the workbook's values. Booleans go as 1 and 0.
void XlsxSheetDataWriter::emitFormula(const Entry& entry, const Cell& cell)
{
    // A1 references always: the workbook may be showing R1C1.
    const QString text = FormulaWriter(sheet_.workbook(), false).write(*cell.formula, {entry.row, entry.column});
    QByteArray formula = ExcelFormula::text(text).toUtf8();
    if (formula.startsWith('='))
        formula.remove(0, 1);
    const Value value = sheet_.value(entry.row, entry.column);
    const bool number = value.isNumber() || value.isBoolean();
    openCell(entry, number ? nullptr : "str");
    out_ += "><f>";
    XlsxText::appendEscaped(out_, formula);
    out_ += "</f><v>";
    if (number)
        XlsxText::appendNumber(out_, value.number());
    else
        XlsxText::appendEscaped(out_, (value.isError() ? errorText(value.error()) : value.text()).toUtf8());
    out_ += "</v></c>";
}

void XlsxSheetDataWriter::flushText(bool force)
{
    if (out_.size() < kPieceBytes && !force)
        return;
    if (!out_.empty())
        pieces_.add(std::move(out_));
    out_ = std::string();
    out_.reserve(kPieceBytes + 4096);
}

}  // namespace spreadsheet::io
