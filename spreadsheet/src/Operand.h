#pragma once

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

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
