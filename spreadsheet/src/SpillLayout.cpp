#include "SpillLayout.h"

#include "Formula.h"
#include "SheetData.h"

#include <spreadsheet/Sheet.h>

namespace spreadsheet {

namespace {

// A spilled empty value shows as 0, as a formula's own empty result does.
Value shown(const Value& v)
{
    return v.isEmpty() ? Value(0.0) : v;
}

// The result stretched or cut to the range of an array formula: a single row
// or column repeats, and what the result does not reach is #N/A.
ValueArray fitted(const Value& result, int rows, int columns)
{
    const ValueArray source = result.isArray() ? result.array() : ValueArray(1, 1, {result});
    ValueArray out(rows, columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            out.at(r, c) = shown(source.stretchedAt(r, c));
        }
    }
    return out;
}

bool isBlocked(const Sheet& sheet, const Formula& formula, const CellRange& area)
{
    const SheetData& data = sheet.data();
    bool blocked = false;
    const auto isOwn = [&](int row, int column) { return row == formula.row && column == formula.column; };
    data.cells.forEach(area, [&](int row, int column, const Cell& cell) {
        blocked = blocked || (cell.kind != CellKind::Empty && !isOwn(row, column));
    });
    data.spills.forEachAnchorMeeting(area, [&](int row, int column) {
        blocked = blocked || !isOwn(row, column);
    });
    for (const CellRange& merge : data.merges) {
        blocked = blocked || meets(merge, area);
    }
    return blocked;
}

}  // namespace

Spill layOutResult(const Sheet& sheet, const Formula& formula, const Value& result)
{
    Spill spill;
    if (formula.isArrayFormula()) {
        spill.fixed = true;
        spill.area = formula.arrayArea();
        spill.values = std::make_shared<const ValueArray>(
            fitted(result, spill.area.bottom - spill.area.top + 1, spill.area.right - spill.area.left + 1));
        return spill;
    }
    if (!result.isArray()) {
        spill.area = CellRange::cell(formula.row, formula.column);
        spill.values = std::make_shared<const ValueArray>(1, 1, std::vector<Value>{result});
        return spill;
    }
    const ValueArray& a = result.array();
    spill.area = {formula.column, formula.row, std::min(formula.column + a.columns(), kMaxColumns) - 1,
                  std::min(formula.row + a.rows(), kMaxRows) - 1};
    const bool fits = formula.column + a.columns() <= kMaxColumns && formula.row + a.rows() <= kMaxRows;
    if (!fits || isBlocked(sheet, formula, spill.area)) {
        return spill;  // no values: #SPILL!
    }
    ValueArray values = a;
    for (Value& v : values.items()) {
        v = shown(v);
    }
    spill.values = std::make_shared<const ValueArray>(std::move(values));
    return spill;
}

}  // namespace spreadsheet
