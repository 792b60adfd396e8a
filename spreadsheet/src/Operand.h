#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <memory>
#include <vector>

namespace spreadsheet {

class Sheet;

// One entry of the evaluation stack: a value, a reference that is read only
// when an operator or function needs it, or an omitted function argument.
struct Operand {
    enum class Kind : std::uint8_t { Value, Reference, Missing };

    Kind kind = Kind::Value;
    Value value;
    const Sheet* sheet = nullptr;
    CellRange range;
    // The areas after the first of a reference such as (A1:A3;C1:C3).
    std::shared_ptr<const std::vector<CellRange>> moreAreas;

    bool isReference() const { return kind == Kind::Reference; }
    bool isMultiArea() const { return moreAreas && !moreAreas->empty(); }
    // What a function or an operator given one value must take element by
    // element: an array, or a reference to more than one cell.
    bool isArrayLike() const
    {
        return kind == Kind::Value ? value.isArray() : kind == Kind::Reference && (!range.isSingleCell() || isMultiArea());
    }

    static Operand missing()
    {
        Operand o;
        o.kind = Kind::Missing;
        return o;
    }
    static Operand reference(const Sheet* sheet, const CellRange& range)
    {
        Operand o;
        o.kind = Kind::Reference;
        o.sheet = sheet;
        o.range = range;
        return o;
    }
};

}  // namespace spreadsheet
