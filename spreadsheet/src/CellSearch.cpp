#include <spreadsheet/CellSearch.h>

#include "CellWriter.h"
#include "SheetEditing.h"

#include <spreadsheet/History.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>
#include <vector>

namespace spreadsheet {

namespace {

const CellRange kWholeSheet{0, 0, kMaxColumns - 1, kMaxRows - 1};

Qt::CaseSensitivity sensitivity(const SearchOptions& options)
{
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

QString searchedText(const Sheet& sheet, int row, int column, const SearchOptions& options)
{
    if (!options.inFormulas) {
        return sheet.displayText(row, column);
    }
    const QString text = sheet.text(row, column);
    return sheet.isFormula(row, column) ? formulaForUser(text, options.convention) : text;
}

bool matches(const QString& text, const SearchOptions& options)
{
    if (options.text.isEmpty()) {
        return false;
    }
    return options.wholeCell ? text.compare(options.text, sensitivity(options)) == 0
                             : text.contains(options.text, sensitivity(options));
}

std::vector<int> sheetsSearched(const Workbook& workbook, const SearchOptions& options, int start)
{
    if (!options.wholeWorkbook) {
        return {start};
    }
    std::vector<int> order;
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        order.push_back((start + i) % workbook.sheetCount());
    }
    return order;
}

// The matching cells of a sheet, row by row.
std::vector<CellPosition> matchesOn(const Workbook& workbook, int index, const SearchOptions& options)
{
    const Sheet& sheet = workbook.sheet(index);
    std::vector<CellPosition> found;
    sheet.forEachCell(kWholeSheet, [&](int row, int column) {
        if (matches(searchedText(sheet, row, column, options), options)) {
            found.push_back({index, row, column});
        }
    });
    std::sort(found.begin(), found.end(),
              [](const CellPosition& a, const CellPosition& b) { return std::tie(a.row, a.column) < std::tie(b.row, b.column); });
    return found;
}

// Where a position stands in the search order that starts on `start`.
auto orderKey(const Workbook& workbook, int start, const CellPosition& p)
{
    const int sheetOrder = (p.sheet - start + workbook.sheetCount()) % workbook.sheetCount();
    return std::make_tuple(sheetOrder, p.row, p.column);
}

}  // namespace

std::optional<CellPosition> CellSearch::find(const Workbook& workbook, const SearchOptions& options, CellPosition from,
                                             bool forward)
{
    std::vector<CellPosition> all;
    for (int index : sheetsSearched(workbook, options, from.sheet)) {
        const std::vector<CellPosition> found = matchesOn(workbook, index, options);
        all.insert(all.end(), found.begin(), found.end());
    }
    if (all.empty()) {
        return std::nullopt;
    }
    const auto here = orderKey(workbook, from.sheet, from);
    if (forward) {
        const auto next = std::find_if(all.begin(), all.end(),
                                       [&](const CellPosition& p) { return orderKey(workbook, from.sheet, p) > here; });
        return next != all.end() ? *next : all.front();
    }
    const auto previous = std::find_if(all.rbegin(), all.rend(),
                                       [&](const CellPosition& p) { return orderKey(workbook, from.sheet, p) < here; });
    return previous != all.rend() ? *previous : all.back();
}

bool CellSearch::replace(Workbook& workbook, const SearchOptions& options, const CellPosition& at,
                         const QString& replacement)
{
    Sheet& sheet = workbook.sheet(at.sheet);
    const bool formula = sheet.isFormula(at.row, at.column);
    if (!options.inFormulas && formula) {
        return false;
    }
    if (!matches(searchedText(sheet, at.row, at.column, options), options)) {
        return false;
    }
    // The replacement goes into what the user would edit, not into the
    // formatted text a value shows.
    const QString text = sheet.text(at.row, at.column);
    const QString before = formula ? formulaForUser(text, options.convention) : text;
    const QString after = options.wholeCell ? replacement : QString(before).replace(options.text, replacement, sensitivity(options));
    if (after == before) {
        return false;
    }
    CellWriter::checkTextLength(after.size());
    if (formula || after.startsWith(u'=')) {
        sheet.setText(at.row, at.column, formulaFromUser(after, options.convention), TextMode::Recognize);
    } else {
        sheet.setText(at.row, at.column, after, TextMode::Recognize);
    }
    return true;
}

int CellSearch::replaceAll(Workbook& workbook, const SearchOptions& options, int startSheet, const QString& replacement)
{
    std::vector<CellPosition> all;
    for (int index : sheetsSearched(workbook, options, startSheet)) {
        const std::vector<CellPosition> found = matchesOn(workbook, index, options);
        all.insert(all.end(), found.begin(), found.end());
    }
    UpdateBatch batch(workbook);
    HistoryScope scope(workbook.history(), QStringLiteral("Substituir"));
    int changed = 0;
    for (const CellPosition& at : all) {
        changed += replace(workbook, options, at, replacement) ? 1 : 0;
    }
    return changed;
}

}  // namespace spreadsheet
