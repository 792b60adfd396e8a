#include "CsvWriter.h"

#include "SheetData.h"
#include "Slices.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>

#include <QIODevice>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace spreadsheet::io {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// Rows and columns up to the last cell with content, spilled values
// included; cells that only carry a style add nothing to the text.
CellAddress usedExtent(const Sheet& sheet)
{
    CellAddress extent{-1, -1};
    sheet.forEachCell({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int row, int column) {
        if (sheet.isFormula(row, column) || !sheet.value(row, column).isEmpty()) {
            extent.row = std::max(extent.row, row);
            extent.column = std::max(extent.column, column);
        }
    });
    // Spilled values live outside the cell store.
    sheet.data().spills.forEachIn({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int row, int column, const Value& v) {
        if (!v.isEmpty()) {
            extent.row = std::max(extent.row, row);
            extent.column = std::max(extent.column, column);
        }
    });
    return extent;
}

QString field(const QString& text, QChar separator)
{
    // One pass over the text: most fields are short numbers.
    const bool needsQuotes = std::any_of(text.cbegin(), text.cend(), [separator](QChar c) {
        return c == separator || c == u'"' || c == u'\n' || c == u'\r';
    });
    if (!needsQuotes) {
        return text;
    }
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void put(QIODevice& out, const QByteArray& bytes)
{
    if (out.write(bytes) != bytes.size()) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar o arquivo CSV: %1").arg(out.errorString()));
    }
}

// The lines of rows [first, last), in UTF-8.
QByteArray lines(const Sheet& sheet, int first, int last, int lastColumn, QChar separator)
{
    // One locale for the block: each one made is shared state the threads
    // would count up and down for every cell.
    const QLocale locale;
    QString text;
    for (int row = first; row < last; ++row) {
        for (int column = 0; column <= lastColumn; ++column) {
            if (column > 0) {
                text += separator;
            }
            text += field(sheet.displayText(row, column, locale), separator);
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

}  // namespace

void CsvWriter::write(const Sheet& sheet, QIODevice& out, QChar separator)
{
    put(out, QByteArray(kByteOrderMark));
    const CellAddress extent = usedExtent(sheet);
    // The cells' texts are most of the work, and reading a sheet is safe
    // from several threads: each round's rows are cut into one block per
    // core, and the blocks are written in order. A round of about a million
    // cells bounds the text held in memory, however wide the rows.
    constexpr int kRoundCells = 1 << 20;
    constexpr int kMinBlockCells = 1 << 17;
    const int width = std::max(1, extent.column + 1);  // an empty sheet has no column
    const int roundRows = std::max(1, kRoundCells / width);
    const auto minBlockRows = static_cast<std::size_t>(std::max(1, kMinBlockCells / width));
    for (int first = 0; first <= extent.row; first += roundRows) {
        const int last = std::min(extent.row + 1, first + roundRows);
        const Slices blocks(static_cast<std::size_t>(last - first), minBlockRows);
        std::vector<QByteArray> texts(blocks.count());
        blocks.run([&](std::size_t block, std::size_t from, std::size_t to) {
            texts[block] = lines(sheet, first + static_cast<int>(from), first + static_cast<int>(to), extent.column,
                                 separator);
        });
        for (const QByteArray& text : texts) {
            put(out, text);
        }
    }
}

}  // namespace spreadsheet::io
