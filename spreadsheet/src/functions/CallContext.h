#pragma once

#include "../Operand.h"
#include "../SheetData.h"

#include <spreadsheet/Sheet.h>

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace spreadsheet {

class Evaluator;
class RangeReuse;
class Sheet;

// What a built-in function sees of its call: the evaluated arguments (values,
// references or omitted ones) and a way to read referenced cells.
class CallContext {
public:
    CallContext(Evaluator& evaluator, std::span<const Operand> args) : evaluator_(evaluator), args_(args) {}

    // The same call with other arguments: a function reading part of its ranges.
    CallContext withArguments(std::span<const Operand> args) const { return CallContext(evaluator_, args); }
    // Totals kept from calls earlier in the pass; none when nothing may be reused.
    RangeReuse* rangeReuse() const;

    int count() const { return static_cast<int>(args_.size()); }
    const Operand& arg(int i) const { return args_[i]; }
    bool isMissing(int i) const { return i >= count() || args_[i].kind == Operand::Kind::Missing; }
    bool isReference(int i) const { return i < count() && args_[i].kind == Operand::Kind::Reference; }
    // An array value: a constant ({1;2}) or what an expression over ranges gave.
    bool isArray(int i) const { return i < count() && args_[i].kind == Operand::Kind::Value && args_[i].value.isArray(); }

    // The argument as one value: a single-cell reference gives the cell's value,
    // a larger area the cell in the formula's own row or column (implicit
    // intersection) or #VALUE!. An omitted argument gives an empty value.
    Value scalar(int i) const;

    // Cell values of a reference argument, or the elements of an array
    // argument. Only existing cells are visited, column by column; empty ones
    // are skipped. Array elements come with their row and column in the
    // array, from 0.
    using CellVisitor = std::function<void(int row, int column, const Value&)>;
    void forEachCell(int i, const CellVisitor& visit) const;
    // The numbers held by the cells of a reference argument, or by the
    // elements of an array argument, read in place without building values:
    // the hot path of SUM-like functions over long ranges. Text and booleans
    // are skipped; the first error value stops the walk and is returned.
    template <typename Add>
    std::optional<ErrorCode> forEachNumber(int i, Add&& add) const;

    // Any cell of a referenced sheet, empty ones included.
    Value cellValue(int i, int row, int column) const;

    // The argument as a block of values, empty cells included: a reference's
    // cells, an array as it is, a single value as a 1 x 1 block. A reference
    // is cut at the last row and column its sheet uses, so that A:A costs
    // what the column holds; positions from its top left stay the same.
    ValueArray values(int i) const;
    // Rows and columns of the argument as written (a reference uncut).
    int rows(int i) const;
    int columns(int i) const;

    // Identifies the calculation pass: cells read during one pass keep their
    // values until it ends, so a function may cache what it derived from
    // them under this number. 0 when nothing may be cached.
    std::uint64_t calculationPass() const;

    // The cell holding the formula that is being calculated.
    const Sheet& sheet() const;
    CellAddress position() const;

    // Makes the evaluator give this reference as the function's result; the
    // value the function returns is then ignored.
    void returnReference(const Sheet* sheet, const CellRange& range) const;
    // The number of areas of a reference argument: 2 for (A1:B2;D4).
    int areaCount(int i) const;
    CellRange area(int i, int index) const;

private:
    template <typename Add>
    static std::optional<ErrorCode> numbersIn(const Sheet& sheet, const CellRange& range, Add& add);

    Evaluator& evaluator_;
    std::span<const Operand> args_;
};

template <typename Add>
std::optional<ErrorCode> CallContext::forEachNumber(int i, Add&& add) const
{
    const Operand& o = args_[static_cast<std::size_t>(i)];
    std::optional<ErrorCode> error;
    if (o.kind == Operand::Kind::Value && o.value.isArray()) {
        for (const Value& v : o.value.array().items()) {
            if (v.isError()) {
                return v.error();
            }
            if (v.isNumber()) {
                add(v.number());
            }
        }
        return error;
    }
    if (o.kind != Operand::Kind::Reference || !o.sheet) {
        return error;
    }
    for (int area = 0; area <= (o.moreAreas ? int(o.moreAreas->size()) : 0) && !error; ++area) {
        error = numbersIn(*o.sheet, area == 0 ? o.range : (*o.moreAreas)[std::size_t(area - 1)], add);
    }
    return error;
}

template <typename Add>
std::optional<ErrorCode> CallContext::numbersIn(const Sheet& sheet, const CellRange& range, Add& add)
{
    std::optional<ErrorCode> error;
    sheet.data().cells.forEach(range, [&](int, int, const Cell& cell) {
        if (error) {
            return;
        }
        if (cell.kind == CellKind::Number) {
            add(cell.number);
        } else if (cell.kind == CellKind::Error) {
            error = static_cast<ErrorCode>(cell.small);
        } else if (cell.kind == CellKind::Formula) {
            const StoredValue& v = cell.formula->cached;
            if (v.type() == ValueType::Number) {
                add(v.number());
            } else if (v.type() == ValueType::Error) {
                error = v.toValue().error();
            }
        }
    });
    sheet.data().spills.forEachIn(range, [&](int row, int column, const Value& v) {
        if (error || sheet.data().cells.find(row, column)) {
            return;
        }
        if (v.isNumber()) {
            add(v.number());
        } else if (v.isError()) {
            error = v.error();
        }
    });
    return error;
}

}  // namespace spreadsheet
