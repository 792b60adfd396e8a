#pragma once

#include "../Operand.h"

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <cstdint>
#include <functional>
#include <span>

namespace spreadsheet {

class Evaluator;
class Sheet;

// What a built-in function sees of its call: the evaluated arguments (values,
// references or omitted ones) and a way to read referenced cells.
class CallContext {
public:
    CallContext(Evaluator& evaluator, std::span<const Operand> args) : evaluator_(evaluator), args_(args) {}

    int count() const { return static_cast<int>(args_.size()); }
    const Operand& arg(int i) const { return args_[i]; }
    bool isMissing(int i) const { return i >= count() || args_[i].kind == Operand::Kind::Missing; }
    bool isReference(int i) const { return i < count() && args_[i].kind == Operand::Kind::Reference; }

    // The argument as one value: a single-cell reference gives the cell's value,
    // a larger area the cell in the formula's own row or column (implicit
    // intersection) or #VALUE!. An omitted argument gives an empty value.
    Value scalar(int i) const;

    // Cell values of a reference argument. Only existing cells are visited,
    // in row-major order; empty ones are skipped.
    using CellVisitor = std::function<void(int row, int column, const Value&)>;
    void forEachCell(int i, const CellVisitor& visit) const;
    // Any cell of a referenced sheet, empty ones included.
    Value cellValue(int i, int row, int column) const;

    // Identifies the calculation pass: cells read during one pass keep their
    // values until it ends, so a function may cache what it derived from
    // them under this number. 0 when nothing may be cached.
    std::uint64_t calculationPass() const;

    // The cell holding the formula that is being calculated.
    const Sheet& sheet() const;
    CellAddress position() const;

private:
    Evaluator& evaluator_;
    std::span<const Operand> args_;
};

}  // namespace spreadsheet
