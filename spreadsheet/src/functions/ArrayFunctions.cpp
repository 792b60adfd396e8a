#include "ArrayFunctions.h"

#include "../Coercion.h"
#include "ArgumentReader.h"
#include "CallContext.h"
#include "Results.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace spreadsheet::functions {

namespace {

// The limit of one array result: the cells of a sheet's column.
constexpr double kMaxCells = 1048576.0 * 16;

// Sorting order of SORT and SORTBY: numbers, texts (without case), booleans,
// then errors; empty cells last.
int rank(const Value& v)
{
    switch (v.type()) {
    case ValueType::Number:
        return 0;
    case ValueType::Text:
        return 1;
    case ValueType::Boolean:
        return 2;
    case ValueType::Error:
        return 3;
    default:
        return 4;
    }
}

int orderOf(const Value& a, const Value& b)
{
    const int ra = rank(a);
    const int rb = rank(b);
    if (ra != rb || ra >= 3) {
        return ra < rb ? -1 : (ra > rb ? 1 : 0);
    }
    return coerce::compare(a, b);
}

// Line i of an array: a row, or a column when byColumn.
std::vector<Value> lineOf(const ValueArray& a, int i, bool byColumn)
{
    std::vector<Value> line;
    const int n = byColumn ? a.rows() : a.columns();
    line.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        line.push_back(byColumn ? a.at(k, i) : a.at(i, k));
    }
    return line;
}

ValueArray fromLines(const ValueArray& a, const std::vector<int>& lines, bool byColumn)
{
    ValueArray out(byColumn ? a.rows() : int(lines.size()), byColumn ? int(lines.size()) : a.columns());
    for (int i = 0; i < int(lines.size()); ++i) {
        for (int k = 0; k < (byColumn ? a.rows() : a.columns()); ++k) {
            if (byColumn) {
                out.at(k, i) = a.at(k, lines[std::size_t(i)]);
            } else {
                out.at(i, k) = a.at(lines[std::size_t(i)], k);
            }
        }
    }
    return out;
}

struct SortKey {
    ValueArray values;  // one line per row (or column) of the sorted array
    int index = 0;      // which column (row) of `values` holds the key
    bool descending = false;
};

Value sortedLines(const ValueArray& a, const std::vector<SortKey>& keys, bool byColumn)
{
    std::vector<int> lines(static_cast<std::size_t>(byColumn ? a.columns() : a.rows()));
    std::iota(lines.begin(), lines.end(), 0);
    std::stable_sort(lines.begin(), lines.end(), [&](int x, int y) {
        for (const SortKey& k : keys) {
            const Value& vx = byColumn ? k.values.at(k.index, x) : k.values.at(x, k.index);
            const Value& vy = byColumn ? k.values.at(k.index, y) : k.values.at(y, k.index);
            const int c = orderOf(vx, vy);
            if (c != 0) {
                // Empty cells and errors stay last in both orders.
                const bool fixedLast = rank(vx) >= 3 || rank(vy) >= 3;
                return (k.descending && !fixedLast) ? c > 0 : c < 0;
            }
        }
        return false;
    });
    return arrayOrSingle(fromLines(a, lines, byColumn));
}

bool sameLine(const std::vector<Value>& a, const std::vector<Value>& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (rank(a[i]) != rank(b[i]) || (rank(a[i]) < 3 && coerce::compare(a[i], b[i]) != 0)
            || (a[i].isError() && a[i].error() != b[i].error())) {
            return false;
        }
    }
    return true;
}

}  // namespace

// The parser turns LET into bindings of its names; a call reaches here only
// from a text that did not bind any.
Value letWithoutNames(const CallContext&)
{
    return Value::error(ErrorCode::Value);
}

Value sequence(const CallContext& context)
{
    ArgumentReader args(context);
    const int rows = args.integer(0, 1);
    const int columns = args.integer(1, 1);
    const double start = args.number(2, 1.0);
    const double step = args.number(3, 1.0);
    if (args.failed()) {
        return args.error();
    }
    if (rows < 1 || columns < 1) {
        return Value::error(ErrorCode::Calc);
    }
    if (double(rows) * columns > kMaxCells) {
        return Value::error(ErrorCode::Num);
    }
    ValueArray out(rows, columns);
    for (int i = 0; i < out.size(); ++i) {
        out.items()[std::size_t(i)] = Value(start + step * i);
    }
    return arrayOrSingle(std::move(out));
}

Value randomArray(const CallContext& context)
{
    ArgumentReader args(context);
    const int rows = args.integer(0, 1);
    const int columns = args.integer(1, 1);
    const double low = args.number(2, 0.0);
    const double high = args.number(3, 1.0);
    const bool whole = args.boolean(4, false);
    if (args.failed()) {
        return args.error();
    }
    if (rows < 1 || columns < 1) {
        return Value::error(ErrorCode::Calc);
    }
    if (low > high || double(rows) * columns > kMaxCells || (whole && std::ceil(low) > std::floor(high))) {
        return Value::error(ErrorCode::Value);
    }
    ValueArray out(rows, columns);
    QRandomGenerator* random = QRandomGenerator::global();
    for (Value& v : out.items()) {
        v = whole ? Value(std::floor(std::ceil(low) + random->generateDouble() * (std::floor(high) - std::ceil(low) + 1)))
                  : Value(low + random->generateDouble() * (high - low));
    }
    return arrayOrSingle(std::move(out));
}

Value transpose(const CallContext& context)
{
    const ValueArray a = context.values(0);
    ValueArray out(a.columns(), a.rows());
    for (int r = 0; r < a.rows(); ++r) {
        for (int c = 0; c < a.columns(); ++c) {
            out.at(c, r) = a.at(r, c).isEmpty() ? Value(0.0) : a.at(r, c);
        }
    }
    return arrayOrSingle(std::move(out));
}

// FILTER(array; include; [if_empty]): include is one column as tall as the
// array (keeps rows) or one row as wide (keeps columns).
Value filter(const CallContext& context)
{
    const ValueArray a = context.values(0);
    const ValueArray include = context.values(1);
    const bool byColumn = include.rows() == 1 && include.columns() == a.columns() && a.rows() != include.rows();
    if (!byColumn && (include.columns() != 1 || include.rows() != a.rows())) {
        return Value::error(ErrorCode::Value);
    }
    std::vector<int> kept;
    for (int i = 0; i < include.size(); ++i) {
        const Value& v = include.items()[std::size_t(i)];
        if (v.isError()) {
            return v;
        }
        bool keep = false;
        ErrorCode error = ErrorCode::Value;
        if (!coerce::toBoolean(v, keep, error)) {
            return Value::error(ErrorCode::Value);
        }
        if (keep) {
            kept.push_back(i);
        }
    }
    if (kept.empty()) {
        return context.isMissing(2) ? Value::error(ErrorCode::Calc) : context.arg(2).value.isArray()
                                                                         ? context.arg(2).value
                                                                         : context.scalar(2);
    }
    return arrayOrSingle(fromLines(a, kept, byColumn));
}

// SORT(array; [sort_index]; [sort_order]; [by_col])
Value sort(const CallContext& context)
{
    ArgumentReader args(context);
    const int index = args.integer(1, 1);
    const double order = args.number(2, 1.0);
    const bool byColumn = args.boolean(3, false);
    if (args.failed()) {
        return args.error();
    }
    const ValueArray a = context.values(0);
    if (index < 1 || index > (byColumn ? a.rows() : a.columns()) || (order != 1.0 && order != -1.0)) {
        return Value::error(ErrorCode::Value);
    }
    return sortedLines(a, {{a, index - 1, order < 0}}, byColumn);
}

// SORTBY(array; by_array1; [order1]; ...): each by_array is one column as
// tall as the array, or one row as wide.
Value sortBy(const CallContext& context)
{
    const ValueArray a = context.values(0);
    std::vector<SortKey> keys;
    std::optional<bool> byColumn;
    for (int i = 1; i < context.count(); i += 2) {
        ValueArray by = context.values(i);
        const bool column = by.rows() == 1 && by.columns() == a.columns() && a.rows() != 1;
        if ((!column && (by.columns() != 1 || by.rows() != a.rows())) || (byColumn && *byColumn != column)) {
            return Value::error(ErrorCode::Value);
        }
        byColumn = column;
        ArgumentReader args(context);
        const double order = args.number(i + 1, 1.0);
        if (args.failed()) {
            return args.error();
        }
        if (order != 1.0 && order != -1.0) {
            return Value::error(ErrorCode::Value);
        }
        keys.push_back({std::move(by), 0, order < 0});
    }
    return sortedLines(a, keys, byColumn.value_or(false));
}

// UNIQUE(array; [by_col]; [exactly_once]): lines compare without case.
Value unique(const CallContext& context)
{
    ArgumentReader args(context);
    const bool byColumn = args.boolean(1, false);
    const bool exactlyOnce = args.boolean(2, false);
    if (args.failed()) {
        return args.error();
    }
    const ValueArray a = context.values(0);
    const int count = byColumn ? a.columns() : a.rows();
    std::vector<std::vector<Value>> lines;
    std::vector<int> first;
    std::vector<int> seen;
    for (int i = 0; i < count; ++i) {
        std::vector<Value> line = lineOf(a, i, byColumn);
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return sameLine(l, line); });
        if (it == lines.end()) {
            lines.push_back(std::move(line));
            first.push_back(i);
            seen.push_back(1);
        } else {
            ++seen[std::size_t(it - lines.begin())];
        }
    }
    std::vector<int> kept;
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (!exactlyOnce || seen[i] == 1) {
            kept.push_back(first[i]);
        }
    }
    if (kept.empty()) {
        return Value::error(ErrorCode::Calc);
    }
    return arrayOrSingle(fromLines(a, kept, byColumn));
}

// TEXTSPLIT(text; col_delimiter; [row_delimiter]; [ignore_empty]; [match_mode]; [pad_with])
Value textSplit(const CallContext& context)
{
    ArgumentReader args(context);
    const QString text = args.text(0);
    const bool ignoreEmpty = args.boolean(3, false);
    const bool noCase = args.integer(4, 0) == 1;
    const Value pad = context.isMissing(5) ? Value::error(ErrorCode::NA) : args.value(5);
    if (args.failed()) {
        return args.error();
    }
    const auto delimiters = [&](int i) {
        QStringList list;
        if (!context.isMissing(i)) {
            context.forEachCell(i, [&](int, int, const Value& v) { list.push_back(coerce::toText(v)); });
            if (!context.isReference(i) && !context.isArray(i)) {
                list.push_back(coerce::toText(context.scalar(i)));
            }
        }
        list.removeAll(QString());
        return list;
    };
    const QStringList columnDelimiters = delimiters(1);
    const QStringList rowDelimiters = delimiters(2);
    if (columnDelimiters.isEmpty() && rowDelimiters.isEmpty()) {
        return Value::error(ErrorCode::Value);
    }
    const Qt::CaseSensitivity sensitivity = noCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const auto split = [&](const QString& s, const QStringList& by) {
        QStringList parts;
        qsizetype from = 0;
        for (;;) {
            qsizetype best = -1;
            qsizetype length = 0;
            for (const QString& d : by) {
                const qsizetype at = s.indexOf(d, from, sensitivity);
                if (at >= 0 && (best < 0 || at < best)) {
                    best = at;
                    length = d.size();
                }
            }
            if (best < 0) {
                parts.push_back(s.mid(from));
                break;
            }
            parts.push_back(s.mid(from, best - from));
            from = best + length;
        }
        if (ignoreEmpty) {
            parts.removeAll(QString());
        }
        return parts;
    };
    const QStringList rows = rowDelimiters.isEmpty() ? QStringList{text} : split(text, rowDelimiters);
    std::vector<QStringList> cells;
    int width = 0;
    for (const QString& row : rows) {
        cells.push_back(columnDelimiters.isEmpty() ? QStringList{row} : split(row, columnDelimiters));
        width = std::max(width, int(cells.back().size()));
    }
    if (cells.empty() || width == 0) {
        return Value::error(ErrorCode::Calc);
    }
    ValueArray out(int(cells.size()), width);
    for (int r = 0; r < out.rows(); ++r) {
        for (int c = 0; c < width; ++c) {
            out.at(r, c) = c < cells[std::size_t(r)].size() ? Value(cells[std::size_t(r)][c]) : pad;
        }
    }
    return arrayOrSingle(std::move(out));
}

}  // namespace spreadsheet::functions
