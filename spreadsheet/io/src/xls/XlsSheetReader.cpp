#include "XlsSheetReader.h"

#include "BiffCellValue.h"
#include "BiffRecordStream.h"
#include "XlsGlobals.h"

#include <spreadsheet/io/FileFormatError.h>
#include <spreadsheet/io/ImportSink.h>

#include <array>
#include <cmath>

namespace spreadsheet::io::xls {

namespace {

constexpr std::uint16_t kWorksheetPart = 0x0010;
constexpr int kColumnCount = 256;  // the format's widest sheet
constexpr double kDays1904 = 1462.0;  // from 1900-01-00 to 1904-01-01 in serial days
constexpr std::size_t kFormulaSkipAfterResult = 6;  // option flags, reserved word
constexpr std::size_t kArraySkipAfterArea = 6;
constexpr std::size_t kSharedSkipAfterArea = 2;
constexpr std::size_t kRowSkipAfterRow = 4;  // first and last column
constexpr std::size_t kRowSkipAfterHeight = 4;
constexpr std::uint16_t kRowHeightMask = 0x7FFF;
constexpr std::uint16_t kRowHidden = 0x0020;
constexpr std::uint16_t kRowCustomHeight = 0x0040;
constexpr std::uint16_t kColumnHidden = 0x0001;
constexpr std::size_t kMulRkEntry = 6;
constexpr std::size_t kMergeEntry = 8;

// Pixels at 96 dpi: twips are 1/20 point, widths 1/256 of a character of
// the default font, taken as 7 pixels plus 5 of padding.
int rowPixels(int twips)
{
    return static_cast<int>(std::lround(twips / 20.0 * 96.0 / 72.0));
}

int columnPixels(int width)
{
    return static_cast<int>(std::lround(width / 256.0 * 7.0 + 5.0));
}

}  // namespace

XlsSheetReader::XlsSheetReader(const XlsGlobals& globals, ImportSink& sink, int sheet, QString name)
    : globals_(globals),
      sink_(sink),
      sheet_(sheet),
      name_(std::move(name)),
      decoder_(globals.links(), globals.text()),
      formulas_(decoder_, sink, sheet),
      styles_(globals.styles())
{
}

const XlsSheetReader::HandlerEntry* XlsSheetReader::handlerFor(std::uint16_t type)
{
    static constexpr auto kHandlers = std::to_array<HandlerEntry>({
        {record::kNumber, &XlsSheetReader::number},
        {record::kRk, &XlsSheetReader::rk},
        {record::kMulRk, &XlsSheetReader::mulRk},
        {record::kLabelSst, &XlsSheetReader::labelSst},
        {record::kLabel, &XlsSheetReader::label},
        {record::kRString, &XlsSheetReader::label},
        {record::kBoolErr, &XlsSheetReader::boolErr},
        {record::kBlank, &XlsSheetReader::blank},
        {record::kMulBlank, &XlsSheetReader::mulBlank},
        {record::kFormula, &XlsSheetReader::formula},
        {record::kString, &XlsSheetReader::string},
        {record::kSharedFormula, &XlsSheetReader::sharedFormula},
        {record::kArray, &XlsSheetReader::arrayFormula},
        {record::kRow, &XlsSheetReader::row},
        {record::kDefaultRowHeight, &XlsSheetReader::defaultRowHeight},
        {record::kColInfo, &XlsSheetReader::columnInfo},
        {record::kMergedCells, &XlsSheetReader::mergedCells},
    });
    for (const HandlerEntry& entry : kHandlers) {
        if (entry.type == type) {
            return &entry;
        }
    }
    return nullptr;
}

bool XlsSheetReader::read(BiffRecordStream& records, std::size_t offset)
{
    records.seek(offset);
    BiffRecord r;
    if (!records.next(r) || r.type != record::kBof) {
        throw FileFormatError(QStringLiteral("Planilha aponta para uma posição inválida do arquivo."));
    }
    BiffCursor bof = r.cursor();
    bof.u16();
    if (bof.u16() != kWorksheetPart) {
        return true;
    }
    // Embedded charts bring their own BOF..EOF parts inside the sheet's.
    int depth = 1;
    while (records.next(r)) {
        if (r.type == record::kBof) {
            ++depth;
        } else if (r.type == record::kEof && --depth == 0) {
            finish();
            return true;
        } else if (depth == 1) {
            handle(r);
        }
    }
    finish();
    warn(QStringLiteral("Arquivo truncado: a planilha foi lida até onde o arquivo vai."));
    return false;
}

// A record cut short is skipped, as other readers do; the rest of the
// sheet stands.
void XlsSheetReader::handle(const BiffRecord& record)
{
    const HandlerEntry* entry = handlerFor(record.type);
    if (!entry) {
        return;
    }
    BiffCursor cursor = record.cursor();
    try {
        (this->*entry->handler)(cursor);
    } catch (const TruncatedRecord&) {
        ++skippedRecords_;
    }
}

void XlsSheetReader::finish()
{
    formulas_.finish();
    styles_.writeTo(sink_, sheet_);
    if (skippedRecords_ > 0) {
        warn(QStringLiteral("%1 registro(s) danificado(s) foram ignorados.").arg(skippedRecords_));
    }
}

void XlsSheetReader::warn(const QString& message)
{
    sink_.warn(QStringLiteral("Planilha \"%1\": %2").arg(name_, message));
}

int XlsSheetReader::column(int value) const
{
    if (value >= kColumnCount) {
        throw FileFormatError(QStringLiteral("Coluna fora dos limites do formato no arquivo."));
    }
    return value;
}

XlsSheetReader::CellHeader XlsSheetReader::cellHeader(BiffCursor& cursor)
{
    formulas_.flush();
    const int row = cursor.u16();
    const int col = column(cursor.u16());
    const int xf = cursor.u16();
    styles_.add(row, col, xf);
    return {row, col, xf};
}

// Serials of the 1904 date system count from 1904-01-01; the engine's count
// from 1900. Only numbers shown as dates are moved.
Value XlsSheetReader::shiftedDate(int xf, Value value) const
{
    if (globals_.uses1904Dates() && value.isNumber() && globals_.styles().format(xf).isDate) {
        return Value(value.number() + kDays1904);
    }
    return value;
}

void XlsSheetReader::setCell(const CellHeader& cell, const Value& value)
{
    sink_.setValue(sheet_, cell.row, cell.column, value);
}

void XlsSheetReader::setNumber(const CellHeader& cell, double value)
{
    setCell(cell, shiftedDate(cell.xf, Value(value)));
}

void XlsSheetReader::number(BiffCursor& cursor)
{
    const CellHeader cell = cellHeader(cursor);
    setNumber(cell, cursor.f64());
}

void XlsSheetReader::rk(BiffCursor& cursor)
{
    const CellHeader cell = cellHeader(cursor);
    setNumber(cell, BiffCellValue::rk(cursor.u32()));
}

void XlsSheetReader::mulRk(BiffCursor& cursor)
{
    formulas_.flush();
    const int row = cursor.u16();
    const int first = cursor.u16();
    // The last column follows the entries; their count comes from the size.
    const std::size_t count = cursor.remaining() >= 2 ? (cursor.remaining() - 2) / kMulRkEntry : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const CellHeader cell{row, column(first + static_cast<int>(i)), cursor.u16()};
        styles_.add(cell.row, cell.column, cell.xf);
        setNumber(cell, BiffCellValue::rk(cursor.u32()));
    }
}

void XlsSheetReader::labelSst(BiffCursor& cursor)
{
    const CellHeader cell = cellHeader(cursor);
    const std::size_t index = cursor.u32();
    const auto& strings = globals_.sharedStrings();
    if (index < strings.size()) {
        setCell(cell, Value(strings[index]));
        return;
    }
    // Strings the table declared but lost to damage leave the cell empty.
    if (index >= globals_.declaredStrings()) {
        throw FileFormatError(QStringLiteral("Texto compartilhado inexistente referido por uma célula."));
    }
}

void XlsSheetReader::label(BiffCursor& cursor)
{
    const CellHeader cell = cellHeader(cursor);
    setCell(cell, Value(globals_.text().longString(cursor)));
}

void XlsSheetReader::boolErr(BiffCursor& cursor)
{
    const CellHeader cell = cellHeader(cursor);
    const std::uint8_t value = cursor.u8();
    if (cursor.u8() == 0) {
        setCell(cell, Value::boolean(value != 0));
        return;
    }
    ErrorCode code = ErrorCode::NA;
    BiffCellValue::error(value, code);
    setCell(cell, Value::error(code));
}

void XlsSheetReader::blank(BiffCursor& cursor)
{
    cellHeader(cursor);
}

void XlsSheetReader::mulBlank(BiffCursor& cursor)
{
    formulas_.flush();
    const int row = cursor.u16();
    const int first = cursor.u16();
    const std::size_t count = cursor.remaining() >= 2 ? (cursor.remaining() - 2) / 2 : 0;
    for (std::size_t i = 0; i < count; ++i) {
        styles_.add(row, column(first + static_cast<int>(i)), cursor.u16());
    }
}

void XlsSheetReader::formula(BiffCursor& cursor)
{
    const CellHeader cell = cellHeader(cursor);
    const auto result = cursor.bytes(8);
    cursor.skip(kFormulaSkipAfterResult);
    const std::size_t size = cursor.u16();
    const auto tokens = cursor.bytes(size);
    bool awaitsString = false;
    Value cached = BiffCellValue::formulaResult(result.first<8>(), awaitsString);
    formulas_.addFormula(cell.row, cell.column, tokens, shiftedDate(cell.xf, std::move(cached)), awaitsString);
}

void XlsSheetReader::string(BiffCursor& cursor)
{
    formulas_.setStringResult(globals_.text().longString(cursor));
}

void XlsSheetReader::sharedFormula(BiffCursor& cursor)
{
    const int top = cursor.u16();
    const int bottom = cursor.u16();
    const int left = cursor.u8();
    const int right = cursor.u8();
    cursor.skip(kSharedSkipAfterArea);
    const std::size_t size = cursor.u16();
    formulas_.addShared({left, top, right, bottom}, cursor.bytes(size));
}

void XlsSheetReader::arrayFormula(BiffCursor& cursor)
{
    const int top = cursor.u16();
    const int bottom = cursor.u16();
    const int left = cursor.u8();
    const int right = cursor.u8();
    cursor.skip(kArraySkipAfterArea);
    const std::size_t size = cursor.u16();
    formulas_.addArray({left, top, right, bottom}, cursor.bytes(size));
}

void XlsSheetReader::row(BiffCursor& cursor)
{
    const int index = cursor.u16();
    cursor.skip(kRowSkipAfterRow);
    const int twips = cursor.u16() & kRowHeightMask;
    cursor.skip(kRowSkipAfterHeight);
    const std::uint16_t flags = cursor.u16();
    const bool hidden = (flags & kRowHidden) != 0;
    if (hidden || (flags & kRowCustomHeight) || twips != defaultRowTwips_) {
        sink_.setRowFormat(sheet_, index, rowPixels(twips), hidden);
    }
}

void XlsSheetReader::defaultRowHeight(BiffCursor& cursor)
{
    cursor.u16();  // flags
    defaultRowTwips_ = cursor.u16() & kRowHeightMask;
}

void XlsSheetReader::columnInfo(BiffCursor& cursor)
{
    const int first = cursor.u16();
    // Writers mark "to the last column" with 255 or 256; the format has 256.
    const int last = std::min(static_cast<int>(cursor.u16()), kColumnCount - 1);
    const int width = cursor.u16();
    cursor.u16();  // default format of the columns
    const bool hidden = (cursor.u16() & kColumnHidden) != 0;
    for (int c = first; c <= last; ++c) {
        sink_.setColumnFormat(sheet_, c, columnPixels(width), hidden);
    }
}

void XlsSheetReader::mergedCells(BiffCursor& cursor)
{
    const std::size_t count = cursor.u16();
    if (count * kMergeEntry > cursor.remaining()) {
        throw FileFormatError(QStringLiteral("Lista de células mescladas truncada."));
    }
    for (std::size_t i = 0; i < count; ++i) {
        const int top = cursor.u16();
        const int bottom = cursor.u16();
        const int left = cursor.u16();
        const int right = cursor.u16();
        const CellRange area{left, top, right, bottom};
        // A reversed or oversized area is damage in one entry; the others stand.
        if (area.isValid() && right < kColumnCount) {
            sink_.addMerge(sheet_, area);
        }
    }
}

}  // namespace spreadsheet::io::xls
