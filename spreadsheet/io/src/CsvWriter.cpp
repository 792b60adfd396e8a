#include "CsvWriter.h"

#include "SheetData.h"

#include <spreadsheet/Sheet.h>
#include <spreadsheet/SpreadsheetError.h>

#include <QIODevice>

#include <algorithm>

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

}  // namespace

void CsvWriter::write(const Sheet& sheet, QIODevice& out, QChar separator)
{
    put(out, QByteArray(kByteOrderMark));
    const CellAddress extent = usedExtent(sheet);
    QString line;
    for (int row = 0; row <= extent.row; ++row) {
        // One buffer for every line: most lines are about as long as the last.
        line.resize(0);
        for (int column = 0; column <= extent.column; ++column) {
            if (column > 0) {
                line += separator;
            }
            line += field(sheet.displayText(row, column), separator);
        }
        line += QStringLiteral("\r\n");
        put(out, line.toUtf8());
    }
}

}  // namespace spreadsheet::io
