#include "ReferenceShift.h"

#include "Formula.h"

namespace spreadsheet {

namespace {

bool shiftPart(std::int32_t& value, bool absolute, int offset, int limit)
{
    if (absolute) {
        return true;
    }
    const long long moved = static_cast<long long>(value) + offset;
    if (moved < 0 || moved >= limit) {
        return false;
    }
    value = static_cast<std::int32_t>(moved);
    return true;
}

bool shiftRange(Token& t, int rows, int columns)
{
    CellRange r = t.rangeValue();
    bool ok = true;
    if (!(t.flags & kWholeColumns)) {
        ok = shiftPart(r.top, t.flags & kAbsRow1, rows, kMaxRows) && shiftPart(r.bottom, t.flags & kAbsRow2, rows, kMaxRows);
    }
    if (!(t.flags & kWholeRows)) {
        ok = ok && shiftPart(r.left, t.flags & kAbsColumn1, columns, kMaxColumns)
             && shiftPart(r.right, t.flags & kAbsColumn2, columns, kMaxColumns);
    }
    if (ok && (r.top > r.bottom || r.left > r.right)) {
        ok = false;
    }
    if (ok) {
        t = Token::range(r, t.sheet, t.flags);
    }
    return ok;
}

}  // namespace

void shiftRelativeReferences(Formula& formula, int rows, int columns)
{
    for (Token& t : formula.mutableTokens()) {
        bool ok = true;
        if (t.isCellReference()) {
            ok = shiftPart(t.a, t.flags & kAbsRow1, rows, kMaxRows) && shiftPart(t.b, t.flags & kAbsColumn1, columns, kMaxColumns);
        } else if (t.op == OpCode::Range) {
            ok = shiftRange(t, rows, columns);
        }
        if (!ok) {
            t = Token{};
            t.op = OpCode::Error;
            t.a = static_cast<int>(ErrorCode::Ref);
        }
    }
}

}  // namespace spreadsheet
