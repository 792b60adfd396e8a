#include "ReferenceFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"
#include "CallContext.h"
#include "LookupVector.h"
#include "Results.h"
#include "WildcardPattern.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QRegularExpression>

#include <cmath>

namespace spreadsheet::functions {

namespace {

// One row (or column) of a range: the lookup vector of XLOOKUP and LOOKUP.
bool isLine(const CellRange& r)
{
    return r.rowCount() == 1 || r.columnCount() == 1;
}

// Text compares without case; numbers, texts and booleans never equal each other.
bool equalValues(const Value& a, const Value& b)
{
    return a.type() == b.type() && (a.isError() ? a.error() == b.error() : coerce::compare(a, b) == 0);
}

enum class MatchMode { Exact, ExactOrSmaller, ExactOrLarger, Wildcard };
enum class SearchMode { FirstToLast, LastToFirst, BinaryAscending, BinaryDescending };

// XLOOKUP and XMATCH: the offset in the lookup vector, or -1.
int xfind(const LookupVector& keys, const Value& wanted, MatchMode match, SearchMode search)
{
    const int n = keys.size();
    if (search == SearchMode::BinaryAscending || search == SearchMode::BinaryDescending) {
        const bool descending = search == SearchMode::BinaryDescending;
        int low = 0;
        int high = n - 1;
        int below = -1;  // last offset not above the value (in the vector's order)
        while (low <= high) {
            const int middle = low + (high - low) / 2;
            int c = coerce::compare(keys.at(middle), wanted);
            if (descending) {
                c = -c;
            }
            if (c == 0 && equalValues(keys.at(middle), wanted)) {
                return middle;
            }
            if (c <= 0) {
                below = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        const bool smaller = (match == MatchMode::ExactOrSmaller) != descending;
        if (match == MatchMode::ExactOrSmaller || match == MatchMode::ExactOrLarger) {
            const int found = smaller ? below : below + 1;
            return found >= 0 && found < n ? found : -1;
        }
        return -1;
    }
    if (match == MatchMode::Exact && search == SearchMode::FirstToLast
        && !(wanted.isText() && WildcardPattern::hasWildcards(wanted.text()))) {
        return keys.findExact(wanted);
    }
    std::optional<WildcardPattern> pattern;
    if (match == MatchMode::Wildcard && wanted.isText()) {
        pattern.emplace(wanted.text());
    }
    int best = -1;
    for (int k = 0; k < n; ++k) {
        const int i = search == SearchMode::LastToFirst ? n - 1 - k : k;
        const Value v = keys.at(i);
        if (pattern ? (v.isText() && pattern->matches(v.text())) : equalValues(v, wanted)) {
            return i;
        }
        if (match == MatchMode::ExactOrSmaller || match == MatchMode::ExactOrLarger) {
            if (v.type() != wanted.type() || v.isEmpty() || v.isError()) {
                continue;
            }
            const int c = coerce::compare(v, wanted);
            const bool side = match == MatchMode::ExactOrSmaller ? c < 0 : c > 0;
            if (side && (best < 0 || (match == MatchMode::ExactOrSmaller ? coerce::compare(v, keys.at(best)) > 0
                                                                           : coerce::compare(v, keys.at(best)) < 0))) {
                best = i;
            }
        }
    }
    return best;
}

bool readModes(ArgumentReader& args, int matchArg, MatchMode& match, SearchMode& search)
{
    const int m = args.integer(matchArg, 0);
    const int s = args.integer(matchArg + 1, 1);
    if (args.failed()) {
        return false;
    }
    static constexpr MatchMode kMatch[] = {MatchMode::ExactOrSmaller, MatchMode::Exact, MatchMode::ExactOrLarger,
                                           MatchMode::Wildcard};
    if (m < -1 || m > 2 || (s != 1 && s != -1 && s != 2 && s != -2)) {
        args.fail(ErrorCode::Value);
        return false;
    }
    match = kMatch[m + 1];
    search = s == 1 ? SearchMode::FirstToLast
                    : s == -1 ? SearchMode::LastToFirst : s == 2 ? SearchMode::BinaryAscending : SearchMode::BinaryDescending;
    return true;
}

// The row (or column) `offset` of a return range or array, as a reference
// when it is one.
Value slice(const CallContext& context, int arg, bool vertical, int offset)
{
    const CellRange r = LookupVector::extentOf(context, arg);
    const CellRange picked = vertical ? CellRange{r.left, r.top + offset, r.right, r.top + offset}
                                      : CellRange{r.left + offset, r.top, r.left + offset, r.bottom};
    if (context.isReference(arg)) {
        context.returnReference(context.arg(arg).sheet, picked);
        return {};
    }
    return arrayOrSingle(blockOf(context.values(arg), picked));
}

}  // namespace

// OFFSET(reference; rows; cols; [height]; [width])
Value offset(const CallContext& context)
{
    ArgumentReader args(context);
    const int down = args.integer(1);
    const int right = args.integer(2);
    if (!context.isReference(0)) {
        return Value::error(ErrorCode::Value);
    }
    const CellRange& base = context.arg(0).range;
    const int height = args.integer(3, base.rowCount());
    const int width = args.integer(4, base.columnCount());
    if (args.failed()) {
        return args.error();
    }
    if (height == 0 || width == 0) {
        return Value::error(ErrorCode::Ref);
    }
    const long top = long(base.top) + down + (height < 0 ? height + 1 : 0);
    const long left = long(base.left) + right + (width < 0 ? width + 1 : 0);
    const long bottom = top + std::abs(height) - 1;
    const long last = left + std::abs(width) - 1;
    if (top < 0 || left < 0 || bottom >= kMaxRows || last >= kMaxColumns) {
        return Value::error(ErrorCode::Ref);
    }
    context.returnReference(context.arg(0).sheet, {int(left), int(top), int(last), int(bottom)});
    return {};
}

// INDIRECT("B3"), INDIRECT("'Folha 2'!A1:B2"), INDIRECT("R2C3"; FALSE)
Value indirect(const CallContext& context)
{
    ArgumentReader args(context);
    QString text = args.text(0).trimmed();
    const bool a1 = args.boolean(1, true);
    if (args.failed()) {
        return args.error();
    }
    const Sheet* sheet = &context.sheet();
    const qsizetype bang = text.lastIndexOf(u'!');
    if (bang > 0) {
        QString name = text.left(bang);
        if (name.size() >= 2 && name.startsWith(u'\'') && name.endsWith(u'\'')) {
            name = name.mid(1, name.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
        }
        sheet = context.sheet().workbook().findSheet(name);
        text = text.mid(bang + 1);
        if (!sheet) {
            return Value::error(ErrorCode::Ref);
        }
    }
    CellRange range;
    if (a1) {
        ParsedReference parsed;
        if (!parseReference(text, parsed)) {
            return Value::error(ErrorCode::Ref);
        }
        range = parsed.range;
    } else {
        static const QRegularExpression r1c1(QStringLiteral("^R(\\d+)C(\\d+)(?::R(\\d+)C(\\d+))?$"),
                                             QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = r1c1.match(text);
        if (!m.hasMatch()) {
            return Value::error(ErrorCode::Ref);
        }
        const int r1 = m.captured(1).toInt() - 1;
        const int c1 = m.captured(2).toInt() - 1;
        range = m.captured(3).isEmpty()
                    ? CellRange::cell(r1, c1)
                    : CellRange::normalized(r1, c1, m.captured(3).toInt() - 1, m.captured(4).toInt() - 1);
        if (!CellAddress{range.top, range.left}.isValid() || !CellAddress{range.bottom, range.right}.isValid()) {
            return Value::error(ErrorCode::Ref);
        }
    }
    context.returnReference(sheet, range);
    return {};
}

// ADDRESS(row; column; [abs_num]; [a1]; [sheet_text])
Value address(const CallContext& context)
{
    ArgumentReader args(context);
    const int row = args.integer(0);
    const int column = args.integer(1);
    const int kind = args.integer(2, 1);
    const bool a1 = args.boolean(3, true);
    const QString sheetName = args.text(4);
    if (args.failed()) {
        return args.error();
    }
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns || kind < 1 || kind > 4) {
        return Value::error(ErrorCode::Value);
    }
    const bool absoluteRow = kind == 1 || kind == 2;
    const bool absoluteColumn = kind == 1 || kind == 3;
    QString text;
    if (a1) {
        text = cellAddressText(row - 1, column - 1, absoluteColumn, absoluteRow);
    } else {
        text = (absoluteRow ? QStringLiteral("R%1").arg(row) : QStringLiteral("R[%1]").arg(row))
               + (absoluteColumn ? QStringLiteral("C%1").arg(column) : QStringLiteral("C[%1]").arg(column));
    }
    return Value(context.isMissing(4) ? text : sheetPrefix(sheetName) + text);
}

Value rows(const CallContext& context)
{
    return context.isMissing(0) ? Value::error(ErrorCode::Value) : Value(double(context.rows(0)));
}

Value columns(const CallContext& context)
{
    return context.isMissing(0) ? Value::error(ErrorCode::Value) : Value(double(context.columns(0)));
}

Value areas(const CallContext& context)
{
    return context.isReference(0) ? Value(double(context.areaCount(0))) : Value::error(ErrorCode::Value);
}

// The cell shows the friendly name, or the address when there is none.
Value hyperlink(const CallContext& context)
{
    ArgumentReader args(context);
    const Value link = args.value(0);
    const Value name = args.value(1);
    if (args.failed()) {
        return args.error();
    }
    return context.isMissing(1) ? link : name;
}

// LOOKUP(value; vector; [result]) over sorted data, or LOOKUP(value; array):
// the array's first row (wider than tall) or column is searched, and its
// last row or column answers.
Value lookup(const CallContext& context)
{
    ArgumentReader args(context);
    const Value wanted = args.value(0);
    if (args.failed()) {
        return args.error();
    }
    const CellRange table = LookupVector::extentOf(context, 1);
    const bool vertical = context.isMissing(2) ? table.rowCount() >= table.columnCount() : table.columnCount() == 1;
    if (!context.isMissing(2) && !isLine(table)) {
        return Value::error(ErrorCode::NA);
    }
    const LookupVector keys(context, 1, vertical, context.isReference(1) ? (vertical ? table.left : table.top) : 0);
    const int found = keys.findSorted(wanted, false);
    if (found < 0) {
        return Value::error(ErrorCode::NA);
    }
    if (context.isMissing(2)) {
        return vertical ? LookupVector::valueAt(context, 1, table.top + found, table.right)
                        : LookupVector::valueAt(context, 1, table.bottom, table.left + found);
    }
    const CellRange result = LookupVector::extentOf(context, 2);
    const bool resultVertical = result.columnCount() == 1 && result.rowCount() > 1;
    const int row = resultVertical || result.rowCount() > 1 ? result.top + found : result.top;
    const int column = resultVertical || result.rowCount() > 1 ? result.left : result.left + found;
    if (context.isReference(2)) {
        return context.cellValue(2, row, column);
    }
    return LookupVector::valueAt(context, 2, row, column);
}

// XLOOKUP(value; lookup_array; return_array; [if_not_found]; [match_mode]; [search_mode])
Value xlookup(const CallContext& context)
{
    ArgumentReader args(context);
    const Value wanted = args.value(0);
    MatchMode match;
    SearchMode search;
    if (args.failed() || !readModes(args, 4, match, search)) {
        return args.error();
    }
    const CellRange keysRange = LookupVector::extentOf(context, 1);
    const CellRange answers = LookupVector::extentOf(context, 2);
    if (!isLine(keysRange)) {
        return Value::error(ErrorCode::Value);
    }
    const bool vertical = keysRange.columnCount() == 1 && keysRange.rowCount() > 1;
    if ((vertical ? answers.rowCount() : answers.columnCount()) != (vertical ? keysRange.rowCount()
                                                                              : keysRange.columnCount())) {
        return Value::error(ErrorCode::Value);
    }
    const LookupVector keys(context, 1, vertical, vertical ? keysRange.left : keysRange.top);
    const int found = xfind(keys, wanted, match, search);
    if (found < 0) {
        if (context.isMissing(3)) {
            return Value::error(ErrorCode::NA);
        }
        return context.isReference(3) ? context.scalar(3) : context.arg(3).value;
    }
    return slice(context, 2, vertical, found);
}

// XMATCH(value; lookup_array; [match_mode]; [search_mode])
Value xmatch(const CallContext& context)
{
    ArgumentReader args(context);
    const Value wanted = args.value(0);
    MatchMode match;
    SearchMode search;
    if (args.failed() || !readModes(args, 2, match, search)) {
        return args.error();
    }
    const CellRange range = LookupVector::extentOf(context, 1);
    if (!isLine(range)) {
        return Value::error(ErrorCode::Value);
    }
    const bool vertical = range.columnCount() == 1 && range.rowCount() > 1;
    const LookupVector keys(context, 1, vertical, vertical ? range.left : range.top);
    const int found = xfind(keys, wanted, match, search);
    return found < 0 ? Value::error(ErrorCode::NA) : Value(found + 1.0);
}

}  // namespace spreadsheet::functions
