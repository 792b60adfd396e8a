#pragma once

// Compares two loaded workbooks as a user would see them, for round-trip
// tests: every difference found, one line each.
#include <spreadsheet/Workbook.h>
#include <spreadsheet/io/WorkbookExport.h>
#include <spreadsheet/io/WorkbookFile.h>

#include <QBuffer>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace spreadsheet::io::teste {

inline QString cellName(const Sheet& sheet, int row, int column)
{
    return sheet.name() + u'!' + QString::number(row + 1) + u':' + QString::number(column + 1);
}

inline void compareCells(const Sheet& a, const Sheet& b, QStringList& out)
{
    const CellRange all{0, 0, std::max(a.columnCount(), b.columnCount()), std::max(a.rowCount(), b.rowCount())};
    const auto check = [&](int row, int column) {
        if (a.text(row, column) != b.text(row, column) || !(a.value(row, column) == b.value(row, column))) {
            out << cellName(a, row, column) + QStringLiteral(": ") + a.text(row, column) + QStringLiteral(" / ") + b.text(row, column);
        } else if (!(a.style(row, column) == b.style(row, column))) {
            out << cellName(a, row, column) + QStringLiteral(": estilo");
        }
    };
    a.forEachCell(all, check);
    b.forEachCell(all, check);
}

inline void compareLines(const Sheet& a, const Sheet& b, QStringList& out)
{
    for (int row = 0; row <= std::max(a.rowCount(), b.rowCount()); ++row) {
        if (a.rowHeight(row) != b.rowHeight(row) || a.isRowHidden(row) != b.isRowHidden(row)
            || a.hasPageBreak(row) != b.hasPageBreak(row)) {
            out << a.name() + QStringLiteral(": linha ") + QString::number(row + 1);
        }
    }
    for (int column = 0; column <= std::max(a.columnCount(), b.columnCount()); ++column) {
        if (a.columnWidth(column) != b.columnWidth(column) || a.isColumnHidden(column) != b.isColumnHidden(column)) {
            out << a.name() + QStringLiteral(": coluna ") + QString::number(column + 1);
        }
    }
}

inline void compareSheet(const Sheet& a, const Sheet& b, QStringList& out)
{
    if (a.name() != b.name()) {
        out << a.name() + QStringLiteral(" / ") + b.name();
        return;
    }
    compareCells(a, b, out);
    compareLines(a, b, out);
    const std::vector<std::pair<const char*, bool>> same{
        {"mesclagens", a.mergedAreas() == b.mergedAreas()},
        {"estilo padrão", a.defaultStyle() == b.defaultStyle()},
        {"grade", a.gridLines() == b.gridLines()},
        {"cabeçalhos", a.headers() == b.headers()},
        {"fórmulas", a.showFormulas() == b.showFormulas()},
        {"seleção", a.selection() == b.selection()},
    };
    for (const auto& [what, equal] : same) {
        if (!equal) {
            out << a.name() + QStringLiteral(": ") + QString::fromUtf8(what);
        }
    }
}

// Names are compared as a set: Excel keeps them sorted.
inline std::vector<std::pair<QString, QString>> sortedNames(const Workbook& workbook)
{
    std::vector<std::pair<QString, QString>> names;
    for (const DefinedName& name : workbook.names()) {
        names.emplace_back(name.name, name.reference);
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline QStringList differences(const LoadedWorkbook& a, const LoadedWorkbook& b)
{
    QStringList out;
    const Workbook& x = *a.workbook;
    const Workbook& y = *b.workbook;
    if (x.sheetCount() != y.sheetCount()) {
        return {QStringLiteral("número de planilhas")};
    }
    for (int i = 0; i < x.sheetCount(); ++i) {
        compareSheet(x.sheet(i), y.sheet(i), out);
    }
    if (sortedNames(x) != sortedNames(y)) {
        out << QStringLiteral("nomes");
    }
    if (x.activeSheetIndex() != y.activeSheetIndex() || x.r1c1References() != y.r1c1References()
        || x.automaticCalculation() != y.automaticCalculation() || x.sheetTabsVisible() != y.sheetTabsVisible()) {
        out << QStringLiteral("opções da pasta");
    }
    QBuffer x1, y1;
    x1.open(QIODevice::WriteOnly);
    y1.open(QIODevice::WriteOnly);
    a.printSettings.value_or(PrintSettings{}).write(x1);
    b.printSettings.value_or(PrintSettings{}).write(y1);
    if (x1.data() != y1.data()) {
        out << QStringLiteral("impressão: ") + QString::fromLatin1(x1.data().toHex()) + u' ' + QString::fromLatin1(y1.data().toHex());
    }
    return out;
}

inline LoadedWorkbook throughXlsx(const LoadedWorkbook& original, const QString& path)
{
    WorkbookExport::xlsx(*original.workbook, path, original.printSettings.value_or(PrintSettings{}));
    return WorkbookFile::load(path);
}

}  // namespace spreadsheet::io::teste
