#include "LookupVector.h"

#include "../Coercion.h"
#include "LookupIndex.h"
#include "WildcardPattern.h"

#include <climits>

namespace spreadsheet {

namespace {

// Numbers, texts and booleans sort in separate bands; a match must be of the lookup's band.
int band(const Value& v)
{
    return v.isText() ? 1 : (v.isBoolean() ? 2 : 0);
}

}  // namespace

LookupVector::LookupVector(const CallContext& context, int arg, bool vertical, int line)
    : context_(context), arg_(arg), vertical_(vertical), line_(line), range_(extentOf(context, arg))
{
    if (!context.isReference(arg)) {
        array_ = context.values(arg);
    }
}

CellRange LookupVector::extentOf(const CallContext& context, int arg)
{
    return context.isReference(arg) ? context.arg(arg).range
                                    : CellRange{0, 0, context.columns(arg) - 1, context.rows(arg) - 1};
}

Value LookupVector::valueAt(const CallContext& context, int arg, int row, int column)
{
    if (context.isReference(arg)) {
        return context.cellValue(arg, row, column);
    }
    const ValueArray a = context.values(arg);
    return row < a.rows() && column < a.columns() ? a.at(row, column) : Value::error(ErrorCode::Ref);
}

int LookupVector::size() const
{
    return vertical_ ? range_.rowCount() : range_.columnCount();
}

Value LookupVector::at(int offset) const
{
    if (array_) {
        return vertical_ ? array_->at(offset, line_) : array_->at(line_, offset);
    }
    return vertical_ ? context_.cellValue(arg_, range_.top + offset, line_)
                     : context_.cellValue(arg_, line_, range_.left + offset);
}

bool LookupVector::contains(int row, int column) const
{
    return vertical_ ? column == line_ && row >= range_.top && row <= range_.bottom
                     : row == line_ && column >= range_.left && column <= range_.right;
}

// Visits only the filled cells, so a whole-column range costs what its data costs.
template <typename Match>
int LookupVector::scan(Match match) const
{
    int best = INT_MAX;
    context_.forEachCell(arg_, [&](int row, int column, const Value& v) {
        if (contains(row, column) && offsetOf(row, column) < best && match(v)) {
            best = offsetOf(row, column);
        }
    });
    return best == INT_MAX ? -1 : best;
}

int LookupVector::findExact(const Value& value) const
{
    if (value.isEmpty() || value.isError()) {
        return -1;
    }
    if (value.isText() && WildcardPattern::hasWildcards(value.text())) {
        const WildcardPattern pattern(value.text());
        return scan([&](const Value& v) { return v.isText() && pattern.matches(v.text()); });
    }
    if (const LookupIndex* index = array_ ? nullptr : LookupIndex::obtain(*this)) {
        return index->find(value);
    }
    const int wanted = band(value);
    return scan([&](const Value& v) { return !v.isEmpty() && band(v) == wanted && coerce::compare(v, value) == 0; });
}

int LookupVector::findSorted(const Value& value, bool descending) const
{
    if (value.isEmpty() || value.isError()) {
        return -1;
    }
    int low = 0;
    int high = size() - 1;
    int found = -1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const Value v = at(middle);
        // Empty and error cells sort after all data, so trailing blank rows of a range do no harm.
        int c = (v.isEmpty() || v.isError()) ? 1 : coerce::compare(v, value);
        if (descending && !v.isEmpty() && !v.isError()) {
            c = -c;
        }
        if (c <= 0) {
            found = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return found >= 0 && band(at(found)) == band(value) ? found : -1;
}

}  // namespace spreadsheet
