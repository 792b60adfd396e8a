#include "StructureEditor.h"

#include "Calculator.h"
#include "CellWriter.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QStringList>

namespace spreadsheet {

namespace {

using Result = StructureEdit::Result;

bool isLossy(Result r)
{
    return r == Result::Cut || r == Result::Lost;
}

// The part of the sheet that moves (insert) or is removed (delete), along
// the edit's axis from the index on.
CellRange movingArea(const StructureEdit& e, int from, int to)
{
    return e.rows ? CellRange{e.spanFirst, from, std::min(e.spanLast, kMaxColumns - 1), to}
                  : CellRange{from, e.spanFirst, to, std::min(e.spanLast, kMaxRows - 1)};
}

int axisLimit(const StructureEdit& e)
{
    return e.rows ? kMaxRows : kMaxColumns;
}

// Removes the cells of a deleted span, keeping copies for undo.
void removeCells(Sheet& sheet, const StructureEdit& e, StructureUndo* undo)
{
    const CellRange area = movingArea(e, e.index, e.index + e.deleted() - 1);
    CellStore& cells = sheet.data().cells;
    std::vector<std::pair<int, int>> places;
    cells.forEach(area, [&](int row, int column, const Cell& cell) {
        places.emplace_back(row, column);
        if (undo) {
            undo->cells.push_back({row, column, sheet.id(), CellSnapshot::of(&cell)});
        }
    });
    Calculator& calculator = sheet.workbook().calculator();
    for (const auto& [row, column] : places) {
        const Cell* cell = cells.find(row, column);
        if (cell->kind == CellKind::Formula) {
            calculator.formulaRemoved(*cell->formula);
        }
        cells.erase(row, column);
    }
}

// Adjusts one formula's tokens; keeps a copy of the formula as it was when an
// edge of one of its references is lost.
Result adjustFormula(Formula& formula, const StructureEdit& e, const Sheet& edited, StructureUndo* undo)
{
    const int ownId = formula.sheet->id();
    Result worst = Result::Unchanged;
    if (!undo) {
        for (Token& t : formula.mutableTokens()) {
            if (t.isCellReference() || t.op == OpCode::Range) {
                worst = std::max(worst, e.adjustToken(t, ownId));
            }
        }
        return worst;
    }
    const std::span<const Token> original = formula.tokens();
    std::vector<Token> adjusted(original.size());
    std::copy(original.begin(), original.end(), adjusted.begin());
    for (Token& t : adjusted) {
        worst = std::max(worst, e.adjustToken(t, ownId));
    }
    if (worst == Result::Unchanged) {
        return worst;
    }
    if (isLossy(worst)) {
        int row = formula.row;
        int column = formula.column;
        if (formula.sheet == &edited) {
            e.inverse().adjustCell(row, column);  // its place before the edit
        }
        CellSnapshot before;
        before.kind = CellKind::Formula;
        before.formula = formula.clone();
        const Cell* cell = formula.sheet->data().cells.find(formula.row, formula.column);
        before.style = cell ? cell->style : 0;
        undo->cells.push_back({row, column, ownId, std::move(before)});
    }
    std::copy(adjusted.begin(), adjusted.end(), formula.mutableTokens().begin());
    return worst;
}

QString adjustNameText(const QString& text, const StructureEdit& e, const Workbook& workbook, bool& changed)
{
    QStringList parts;
    for (const QString& part : text.split(u';')) {
        ParsedReference ref;
        const Sheet* sheet = parseReference(part, ref) && !ref.sheetName.isEmpty() ? workbook.findSheet(ref.sheetName) : nullptr;
        if (!sheet || sheet->id() != e.sheetId) {
            parts << part;
            continue;
        }
        const Result r = e.adjustRange(ref.range);
        if (r == Result::Unchanged) {
            parts << part;
            continue;
        }
        changed = true;
        parts << (r == Result::Lost ? sheetPrefix(sheet->name()) + QStringLiteral("#REF!")
                                    : sheetPrefix(sheet->name()) + rangeText(ref.range, ref.absolute, ref.isRange));
    }
    return parts.join(u';');
}

void adjustNames(Workbook& workbook, const StructureEdit& e, StructureUndo* undo)
{
    std::vector<DefinedName> names = workbook.names();
    bool changed = false;
    for (DefinedName& name : names) {
        name.reference = adjustNameText(name.reference, e, workbook, changed);
    }
    if (changed) {
        if (undo) {
            undo->names = workbook.names();
        }
        workbook.setNames(std::move(names));
    }
}

bool adjustMerges(SheetData& data, const StructureEdit& e, StructureUndo* undo)
{
    if (undo) {
        undo->merges = data.merges;
    }
    bool resized = false;
    std::vector<CellRange> kept;
    for (CellRange m : data.merges) {
        const Result r = e.adjustRange(m);
        resized = resized || r == Result::Cut || r == Result::Lost;
        if (r != Result::Lost && !m.isSingleCell()) {
            kept.push_back(m);
        }
    }
    data.merges = std::move(kept);
    return resized;
}

void adjustLines(std::map<int, LineFormat>& lines, const StructureEdit& e, StructureUndo* undo)
{
    if (undo) {
        undo->lines = lines;
    }
    std::map<int, LineFormat> moved;
    for (const auto& [index, line] : lines) {
        if (index < e.index) {
            moved.emplace(index, line);
        } else if (e.isInsert()) {
            if (index + e.count < axisLimit(e)) {
                moved.emplace(index + e.count, line);
            }
        } else if (index >= e.index + e.deleted()) {
            moved.emplace(index - e.deleted(), line);
        }
    }
    lines = std::move(moved);
}

}  // namespace

std::size_t StructureUndo::memoryUsage() const
{
    std::size_t bytes = sizeof(*this) + merges.size() * sizeof(CellRange) + (lines ? lines->size() * 48 : 0);
    for (const PlacedCell& c : cells) {
        bytes += c.content.memoryUsage();
    }
    return bytes;
}

void StructureEditor::validate(const Sheet& sheet, const StructureEdit& e)
{
    const int limit = axisLimit(e);
    const int extent = e.isInsert() ? e.count : e.deleted();
    if (e.index < 0 || extent <= 0 || e.index + extent > limit || e.spanFirst < 0 || e.spanFirst > e.spanLast) {
        throw SpreadsheetError(QStringLiteral("Área fora dos limites da planilha."));
    }
    if (e.isInsert()) {
        bool pushedOff = false;
        sheet.data().cells.forEach(movingArea(e, limit - e.count, limit - 1), [&](int, int, const Cell&) { pushedOff = true; });
        if (pushedOff) {
            throw SpreadsheetError(
                QStringLiteral("Não é possível inserir: células com conteúdo seriam empurradas para fora da planilha."));
        }
    }
    if (e.spansAll()) {
        return;
    }
    for (const CellRange& m : sheet.data().merges) {
        const int first = e.rows ? m.left : m.top;
        const int last = e.rows ? m.right : m.bottom;
        const int end = e.rows ? m.bottom : m.right;
        const bool crosses = first <= e.spanLast && last >= e.spanFirst && (first < e.spanFirst || last > e.spanLast);
        if (crosses && end >= e.index) {
            throw SpreadsheetError(QStringLiteral("Não é possível deslocar parte de uma área mesclada."));
        }
    }
}

void StructureEditor::apply(Sheet& sheet, const StructureEdit& e, StructureUndo* undo)
{
    Workbook& workbook = sheet.workbook();
    Calculator& calculator = workbook.calculator();
    calculator.structureChanged();
    SheetData& data = sheet.data();
    // Spills are laid out again where their formulas moved to.
    const bool spilled = !data.spills.empty();
    data.spills.clear();
    if (!e.isInsert()) {
        removeCells(sheet, e, undo);
    }
    if (e.rows) {
        data.cells.shiftRows(e.index, e.count, e.spanFirst, e.spanLast);
    } else {
        data.cells.shiftColumns(e.index, e.count, e.spanFirst, e.spanLast);
    }
    bool recalculate = !e.isInsert() && undo && !undo->cells.empty();
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        workbook.sheet(i).data().cells.forEachFormula({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int, int, const Cell& cell) {
            const Result r = adjustFormula(*cell.formula, e, sheet, undo);
            recalculate = recalculate || (r != Result::Unchanged && r != Result::Moved) || cell.formula->isPositional();
        });
    }
    adjustNames(workbook, e, undo);
    recalculate = adjustMerges(data, e, undo) || recalculate || !e.isInsert() || spilled;
    if (e.spansAll()) {
        if (undo) {
            undo->linesAreRows = e.rows;
        }
        adjustLines(e.rows ? data.rows : data.columns, e, undo);
    }
    calculator.structureChanged();
    if (recalculate) {
        calculator.recalculateAllLater();
    }
}

void StructureEditor::restore(Sheet& sheet, const StructureUndo& undo)
{
    Workbook& workbook = sheet.workbook();
    SheetData& data = sheet.data();
    data.merges = undo.merges;
    if (undo.lines) {
        (undo.linesAreRows ? data.rows : data.columns) = *undo.lines;
    }
    if (undo.names) {
        workbook.setNames(*undo.names);
    }
    for (const StructureUndo::PlacedCell& c : undo.cells) {
        CellWriter::put(*workbook.sheetById(c.sheetId), c.row, c.column, c.content.copy());
    }
}

}  // namespace spreadsheet
