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
    const SheetData& data = o.sheet->data();
    for (int a = 0; a < areaCount(i); ++a) {
        const CellRange r = area(i, a);
        data.cells.forEach(r, [&](int row, int column, const Cell& cell) {
            if (cell.kind != CellKind::Empty) {
                visit(row, column, cell.value());
            }
        });
        data.spills.forEachIn(r, [&](int row, int column, const Value& v) {
            const Cell* cell = data.cells.find(row, column);
            if ((!cell || cell->kind == CellKind::Empty) && !v.isEmpty()) {
                visit(row, column, v);
            }
        });
    }
}

int CallContext::areaCount(int i) const
{
    const Operand& o = args_[static_cast<std::size_t>(i)];
    return o.kind != Operand::Kind::Reference ? 0 : 1 + (o.moreAreas ? int(o.moreAreas->size()) : 0);
}

CellRange CallContext::area(int i, int index) const
{
    const Operand& o = args_[static_cast<std::size_t>(i)];
    return index == 0 ? o.range : (*o.moreAreas)[static_cast<std::size_t>(index - 1)];
}

void CallContext::returnReference(const Sheet* sheet, const CellRange& range) const
{
    evaluator_.setReferenceResult(sheet, range);
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
    return evaluator_.arrayOf(o);
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

RangeReuse* CallContext::rangeReuse() const
{
    return evaluator_.rangeReuse();
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
