#include "StructureEdit.h"

#include <algorithm>

namespace spreadsheet {

StructureEdit StructureEdit::inverse() const
{
    StructureEdit e = *this;
    e.count = -count;
    return e;
}

bool StructureEdit::adjustCell(int& row, int& column) const
{
    int& along = rows ? row : column;
    const int across = rows ? column : row;
    if (across < spanFirst || across > spanLast || along < index) {
        return true;
    }
    if (isInsert()) {
        along += count;
        return along < (rows ? kMaxRows : kMaxColumns);
    }
    if (along < index + deleted()) {
        return false;
    }
    along -= deleted();
    return true;
}

// Edges at or after an insertion move with it, so a range that spans the
// insertion grows; a deletion cuts what lies inside it.
StructureEdit::Result StructureEdit::adjustEdges(int& first, int& last) const
{
    if (last < index) {
        return Result::Unchanged;
    }
    const int limit = rows ? kMaxRows : kMaxColumns;
    if (isInsert()) {
        const bool firstMoves = first >= index;
        first += firstMoves ? count : 0;
        last += count;
        if (last >= limit) {
            return first >= limit ? Result::Lost : (last = limit - 1, Result::Cut);
        }
        return firstMoves ? Result::Moved : Result::Resized;
    }
    const int end = index + deleted();  // first index after the deleted span
    if (first >= index && last < end) {
        return Result::Lost;
    }
    const bool firstInside = first >= index && first < end;
    const bool lastInside = last >= index && last < end;
    first = first < index ? first : (first >= end ? first - deleted() : index);
    last = last >= end ? last - deleted() : index - 1;
    if (firstInside || lastInside) {
        return Result::Cut;
    }
    return first >= index ? Result::Moved : Result::Resized;
}

StructureEdit::Result StructureEdit::adjustRange(CellRange& range) const
{
    const int acrossFirst = rows ? range.left : range.top;
    const int acrossLast = rows ? range.right : range.bottom;
    if (acrossFirst < spanFirst || acrossLast > spanLast) {
        return Result::Unchanged;
    }
    return rows ? adjustEdges(range.top, range.bottom) : adjustEdges(range.left, range.right);
}

StructureEdit::Result StructureEdit::adjustToken(Token& t, int formulaSheetId) const
{
    const int tokenSheet = t.sheet == kOwnSheet ? formulaSheetId : t.sheet;
    if (tokenSheet != sheetId) {
        return Result::Unchanged;
    }
    if (t.isCellReference()) {
        int row = t.a;
        int column = t.b;
        if (!adjustCell(row, column)) {
            t = Token{};
            t.op = OpCode::Error;
            t.a = static_cast<int>(ErrorCode::Ref);
            return Result::Lost;
        }
        const bool moved = row != t.a || column != t.b;
        t.a = row;
        t.b = column;
        return moved ? Result::Moved : Result::Unchanged;
    }
    if (t.op != OpCode::Range) {
        return Result::Unchanged;
    }
    // Whole columns do not change when rows move, nor whole rows with columns.
    if ((rows && (t.flags & kWholeColumns)) || (!rows && (t.flags & kWholeRows))) {
        return Result::Unchanged;
    }
    CellRange r = t.rangeValue();
    const Result result = adjustRange(r);
    if (result == Result::Lost) {
        t = Token{};
        t.op = OpCode::Error;
        t.a = static_cast<int>(ErrorCode::Ref);
    } else if (result != Result::Unchanged) {
        t = Token::range(r, t.sheet, t.flags);
    }
    return result;
}

}  // namespace spreadsheet
