#include "NativeWriter.h"

#include "BlockCodec.h"
#include "NativeFormat.h"
#include "SheetData.h"
#include "StylePool.h"

#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include "CborOutput.h"
#include <QIODevice>

namespace spreadsheet::io {

namespace {

int styleFlags(const CellStyle& s)
{
    return (s.font.bold ? 1 : 0) | (s.font.italic ? 2 : 0) | (s.font.underline ? 4 : 0) | (s.font.strikeOut ? 8 : 0)
           | (s.locked ? 16 : 0);
}

void writeRange(CborOutput& w, const CellRange& r)
{
    w.startArray(4);
    w.append(qint64(r.left));
    w.append(qint64(r.top));
    w.append(qint64(r.right));
    w.append(qint64(r.bottom));
    w.endArray();
}

bool hasLookItems(const CellStyle& s)
{
    const CellStyle plain;
    return s.alignVert != plain.alignVert || s.wrapText != plain.wrapText || s.font.color != plain.font.color
           || s.fill != plain.fill || s.borderLeftColor != plain.borderLeftColor
           || s.borderTopColor != plain.borderTopColor;
}

void writeLookItems(CborOutput& w, const CellStyle& s)
{
    w.startArray(NativeFormat::kStyleLookItems);
    w.append(qint64(s.alignVert));
    w.append(s.wrapText);
    w.append(qint64(s.font.color.argb));
    w.append(qint64(s.fill.argb));
    w.append(qint64(s.borderLeftColor.argb));
    w.append(qint64(s.borderTopColor.argb));
    w.endArray();
}

// The vertical alignment, wrapping and colours are an eighth item only when
// one of them is not the default, so that files of styles without them stay
// readable by earlier versions.
void writeStyle(CborOutput& w, const CellStyle& s)
{
    const bool look = hasLookItems(s);
    w.startArray(look ? NativeFormat::kStyleItems + 1 : NativeFormat::kStyleItems);
    w.append(s.font.name);
    w.append(qint64(s.font.size));
    w.append(qint64(styleFlags(s)));
    w.append(qint64(s.alignHorz));
    w.append(qint64(s.borderLeft));
    w.append(qint64(s.borderTop));
    w.append(s.numberFormat);
    if (look) {
        writeLookItems(w, s);
    }
    w.endArray();
}

// Cells keep their ids: 0 still means the default style of the cell's sheet.
void writeStyles(CborOutput& w, const StylePool& pool)
{
    w.startArray(pool.size());
    for (std::uint32_t id = 0; id < pool.size(); ++id) {
        writeStyle(w, pool.get(id));
    }
    w.endArray();
}

void writeLines(CborOutput& w, const std::map<int, LineFormat>& lines)
{
    w.startArray(lines.size());
    for (const auto& [index, line] : lines) {
        // A fourth item only for a page break, so files without breaks stay
        // readable by earlier versions.
        w.startArray(line.pageBreak ? 4 : 3);
        w.append(qint64(index));
        w.append(qint64(line.size));
        w.append(line.hidden);
        if (line.pageBreak)
            w.append(true);
        w.endArray();
    }
    w.endArray();
}

void writeValue(CborOutput& w, const Value& v)
{
    switch (v.type()) {
    case ValueType::Number:
        w.append(NativeFormat::Number);
        w.append(v.number());
        break;
    case ValueType::Text:
        w.append(NativeFormat::Text);
        w.append(v.text());
        break;
    case ValueType::Boolean:
        w.append(NativeFormat::Boolean);
        w.append(v.boolean());
        break;
    case ValueType::Error:
        w.append(NativeFormat::Error);
        w.append(qint64(v.error()));
        break;
    case ValueType::Array:  // cells never hold arrays
    case ValueType::Empty:
        w.append(NativeFormat::StyleOnly);
        w.append(nullptr);
        break;
    }
}

// The range an array formula covers: entered over it (fixed), or where its
// array spilled; invalid for any other formula.
CellRange arrayAreaOf(const Sheet& sheet, const Cell& cell, int row, int column, bool& fixed)
{
    fixed = cell.formula->isArrayFormula();
    if (fixed) {
        return cell.formula->arrayArea();
    }
    const SpillTable& spills = sheet.data().spills;
    const Spill* spill = spills.empty() ? nullptr : spills.anchoredAt(row, column);
    return spill && spill->values && !spill->fixed ? spill->area : CellRange{};
}

void writeCells(CborOutput& w, const Sheet& sheet)
{
    std::size_t count = 0;
    sheet.data().cells.forEach({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int, int, const Cell&) { ++count; });
    w.startArray(count);
    sheet.data().cells.forEach({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int row, int column, const Cell& cell) {
        const bool formula = cell.kind == CellKind::Formula;
        bool fixed = false;
        const CellRange array = formula ? arrayAreaOf(sheet, cell, row, column, fixed) : CellRange{};
        // Only an array formula has the eighth item, so that files without
        // them stay readable by earlier versions.
        w.startArray(formula ? (array.isValid() ? 8 : 7) : (cell.kind == CellKind::Empty ? 4 : 5));
        w.append(qint64(row));
        w.append(qint64(column));
        w.append(qint64(cell.style));
        if (formula) {
            w.append(NativeFormat::Formula);
            w.append(sheet.text(row, column));
            writeValue(w, cell.value());
            if (array.isValid()) {
                w.startArray(3);
                w.append(qint64(array.rowCount()));
                w.append(qint64(array.columnCount()));
                w.append(fixed);
                w.endArray();
            }
        } else if (cell.kind == CellKind::Empty) {
            w.append(NativeFormat::StyleOnly);
        } else {
            writeValue(w, cell.value());
        }
        w.endArray();
    });
    w.endArray();
}

void writeSheet(CborOutput& w, const Sheet& sheet)
{
    // The default style is an eighth item only when it is not CellStyle{},
    // so files of such sheets stay readable by earlier versions. It comes
    // right after the name: the reader must know it before it styles cells.
    const bool ownDefault = sheet.defaultStyle() != CellStyle{};
    w.startArray(ownDefault ? NativeFormat::kSheetItems + 1 : NativeFormat::kSheetItems);
    w.append(sheet.name());
    if (ownDefault) {
        writeStyle(w, sheet.defaultStyle());
    }
    w.startArray(3);
    w.append(qint64(sheet.gridLines()));
    w.append(qint64(sheet.headers()));
    w.append(qint64(sheet.showFormulas()));
    w.endArray();
    writeRange(w, sheet.selection());
    writeLines(w, sheet.data().rows);
    writeLines(w, sheet.data().columns);
    w.startArray(sheet.data().merges.size());
    for (const CellRange& m : sheet.data().merges) {
        writeRange(w, m);
    }
    w.endArray();
    writeCells(w, sheet);
    w.endArray();
}

// Options, styles, names and sheets: the items of the block in version 1,
// of its compressed contents in version 2.
void writeContents(CborOutput& w, const Workbook& workbook)
{
    w.startArray(4);
    w.append(workbook.r1c1References());
    w.append(workbook.automaticCalculation());
    w.append(workbook.sheetTabsVisible());
    w.append(qint64(workbook.sheetCount() > 0 ? workbook.activeSheetIndex() : 0));
    w.endArray();
    writeStyles(w, workbook.styles());
    w.startArray(workbook.names().size());
    for (const DefinedName& name : workbook.names()) {
        w.startArray(2);
        w.append(name.name);
        w.append(name.reference);
        w.endArray();
    }
    w.endArray();
    w.startArray(workbook.sheetCount());
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        writeSheet(w, workbook.sheet(i));
    }
    w.endArray();
}

void writePlain(const Workbook& workbook, QIODevice& device)
{
    CborOutput w(device);
    w.startArray(NativeFormat::kTopItems);
    w.append(NativeFormat::kMagic);
    w.append(qint64(NativeFormat::kPlainVersion));
    writeContents(w, workbook);
    w.endArray();
}

// The contents are encoded in memory and compressed in one pass, behind
// their size, so that reading them allocates once.
void writeCompressed(const Workbook& workbook, QIODevice& device)
{
    CborOutput contents;
    contents.startArray(NativeFormat::kContentItems);
    writeContents(contents, workbook);
    contents.endArray();
    const std::string& plain = contents.bytes();
    CborOutput w(device);
    w.startArray(NativeFormat::kCompressedTopItems);
    w.append(NativeFormat::kMagic);
    w.append(qint64(NativeFormat::kCompressedVersion));
    w.append(qint64(plain.size()));
    w.append(BlockCodec::compress(QByteArrayView(plain.data(), qsizetype(plain.size()))));
    w.endArray();
}

}  // namespace

void NativeWriter::write(const Workbook& workbook, QIODevice& device)
{
    // A file read and saved unchanged keeps its version.
    if (workbook.fileVersion() == NativeFormat::kPlainVersion) {
        writePlain(workbook, device);
    } else {
        writeCompressed(workbook, device);
    }
}

}  // namespace spreadsheet::io
