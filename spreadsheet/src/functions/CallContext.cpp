#include "CallContext.h"

#include "../Evaluator.h"
#include "../SheetData.h"

#include <spreadsheet/Sheet.h>

#include <algorithm>

namespace spreadsheet {

Value CallContext::scalar(int i) const
{
    if (i >= count()) {
        return {};
    }
    return evaluator_.scalar(args_[static_cast<std::size_t>(i)]);
}

// The evaluator made sure the range's formulas are calculated before the
// call, so cells are read as stored.
void CallContext::forEachCell(int i, const CellVisitor& visit) const
{
    const Operand& o = args_[static_cast<std::size_t>(i)];
    if (o.kind == Operand::Kind::Value && o.value.isArray()) {
        const ValueArray& a = o.value.array();
        for (int c = 0; c < a.columns(); ++c) {
            for (int r = 0; r < a.rows(); ++r) {
                if (!a.at(r, c).isEmpty()) {
                    visit(r, c, a.at(r, c));
                }
            }
        }
        return;
    }
    if (o.kind != Operand::Kind::Reference || !o.sheet) {
        return;
    }
    o.sheet->data().cells.forEach(o.range, [&](int row, int column, const Cell& cell) {
        if (cell.kind != CellKind::Empty) {
            visit(row, column, cell.value());
        }
    });
}

Value CallContext::cellValue(int i, int row, int column) const
{
    const Operand& o = args_[static_cast<std::size_t>(i)];
    if (o.kind != Operand::Kind::Reference || !o.sheet) {
        return Value::error(ErrorCode::Ref);
    }
    return evaluator_.cellValue(*o.sheet, row, column);
}

ValueArray CallContext::values(int i) const
{
    if (i >= count()) {
        return ValueArray(1, 1);
    }
    const Operand& o = args_[static_cast<std::size_t>(i)];
    if (o.kind == Operand::Kind::Value && o.value.isArray()) {
        return o.value.array();
    }
    if (o.kind != Operand::Kind::Reference || !o.sheet) {
        return ValueArray(1, 1, {o.kind == Operand::Kind::Missing ? Value() : o.value});
    }
    const CellStore& cells = o.sheet->data().cells;
    const CellRange& r = o.range;
    const int bottom = std::max(r.top, std::min(r.bottom, cells.lastRow()));
    const int right = std::max(r.left, std::min(r.right, cells.lastColumn()));
    ValueArray out(bottom - r.top + 1, right - r.left + 1);
    cells.forEach(CellRange{r.left, r.top, right, bottom}, [&](int row, int column, const Cell& cell) {
        out.at(row - r.top, column - r.left) = cell.value();
    });
    return out;
}

int CallContext::rows(int i) const
{
    const Operand& o = args_[static_cast<std::size_t>(i)];
    if (o.kind == Operand::Kind::Reference) {
        return o.range.bottom - o.range.top + 1;
    }
    return o.kind == Operand::Kind::Value && o.value.isArray() ? o.value.array().rows() : 1;
}

int CallContext::columns(int i) const
{
    const Operand& o = args_[static_cast<std::size_t>(i)];
    if (o.kind == Operand::Kind::Reference) {
        return o.range.right - o.range.left + 1;
    }
    return o.kind == Operand::Kind::Value && o.value.isArray() ? o.value.array().columns() : 1;
}

std::uint64_t CallContext::calculationPass() const
{
    return evaluator_.calculationPass();
}

const Sheet& CallContext::sheet() const
{
    return evaluator_.sheet();
}

CellAddress CallContext::position() const
{
    return evaluator_.position();
}

}  // namespace spreadsheet
