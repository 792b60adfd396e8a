#include "CellSnapshot.h"

namespace spreadsheet {

CellSnapshot CellSnapshot::of(const Cell* cell)
{
    CellSnapshot s;
    if (!cell) {
        return s;
    }
    s.kind = cell->kind;
    s.style = cell->style;
    if (cell->kind == CellKind::Formula) {
        s.formula = cell->formula->clone();
    } else {
        s.value = cell->value();
    }
    return s;
}

CellSnapshot CellSnapshot::copy() const
{
    CellSnapshot s;
    s.kind = kind;
    s.style = style;
    s.value = value;
    if (formula) {
        s.formula = formula->clone();
    }
    return s;
}

std::size_t CellSnapshot::memoryUsage() const
{
    std::size_t bytes = sizeof(CellSnapshot) + static_cast<std::size_t>(value.text().size()) * 2;
    if (formula) {
        bytes += sizeof(Formula) + formula->tokens().size() * sizeof(Token);
    }
    return bytes;
}

}  // namespace spreadsheet
