#include "CallContext.h"

#include "../Evaluator.h"
#include "../SheetData.h"

#include <spreadsheet/Sheet.h>

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
    if (o.kind != Operand::Kind::Reference) {
        return;
    }
    if (!o.sheet) {
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
