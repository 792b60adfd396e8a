#pragma once

#include <spreadsheet/CellRange.h>

#include <cstdint>
#include <cstring>

namespace spreadsheet {

enum class OpCode : std::uint8_t {
    // operands
    Number,
    String,   // a: string index
    Boolean,  // a: 0 or 1
    Error,    // a: ErrorCode
    Missing,  // an omitted function argument
    Ref,      // a: row, b: column
    Range,    // a: top, b: bottom, c: left | right << 16
    BadRef,   // a: string index of the text as written; evaluates to #REF!
    Name,     // a: string index of the defined name
    // calls
    Builtin,  // a: built-in index, b: argument count
    Custom,   // a: string index of the function name, b: argument count
    // operators
    Add, Sub, Mul, Div, Pow, Concat, Eq, Ne, Lt, Gt, Le, Ge,
    Neg, Plus, Percent,
    Paren,    // kept only to write the formula back as it was grouped
    // reference operators: A1:INDEX(...), A1:B5 B2:C3, (A1:A3;C1:C3)
    RangeOp, Intersect, Union,
    Array,    // an array constant: a rows, b columns; its elements precede it, row by row
    SpillRef, // a: row, b: column of a formula whose array spilled: A1#
    LetBind,  // LET: a: string index of the name given the value on the stack
    LetEnd,   // LET: a: the number of names that end here
};

// Flags of references.
enum TokenFlag : std::uint8_t {
    kAbsColumn1 = 1,
    kAbsRow1 = 2,
    kAbsColumn2 = 4,
    kAbsRow2 = 8,
    kWholeColumns = 16,  // written as A:C
    kWholeRows = 32,     // written as 1:3
};

// Sheet field of a reference to the formula's own sheet.
constexpr std::uint16_t kOwnSheet = 0xFFFF;

// Formulas are stored as postfix token arrays: 16 bytes a token keeps a
// simple formula small and its evaluation a straight loop.
struct Token {
    OpCode op = OpCode::Number;
    std::uint8_t flags = 0;
    std::uint16_t sheet = kOwnSheet;
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int32_t c = 0;

    static Token number(double value)
    {
        Token t;
        t.op = OpCode::Number;
        std::memcpy(&t.b, &value, sizeof value);
        return t;
    }
    double numberValue() const
    {
        double value;
        std::memcpy(&value, &b, sizeof value);
        return value;
    }
    static Token range(const CellRange& r, std::uint16_t sheet, std::uint8_t flags)
    {
        Token t;
        t.op = OpCode::Range;
        t.sheet = sheet;
        t.flags = flags;
        t.a = r.top;
        t.b = r.bottom;
        t.c = r.left | (r.right << 16);
        return t;
    }
    CellRange rangeValue() const { return {c & 0xFFFF, a, (c >> 16) & 0xFFFF, b}; }
    bool isOperand() const { return op <= OpCode::Name || op == OpCode::SpillRef; }
    // Names one cell by row (a) and column (b).
    bool isCellReference() const { return op == OpCode::Ref || op == OpCode::SpillRef; }
};

static_assert(sizeof(Token) == 16);

}  // namespace spreadsheet
