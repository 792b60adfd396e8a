#include "StatisticalFunctions.h"

#include "../Coercion.h"
#include "Criteria.h"
#include "NumericArguments.h"
#include "RangeReuse.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace spreadsheet::functions {

namespace {

double cellCount(const CellRange& range)
{
    return static_cast<double>(range.rowCount()) * range.columnCount();
}

constexpr int kFirstRange[] = {0};

// A call over one range reuses what calls over ranges it extends found
// earlier in the pass; nothing when it cannot.
std::optional<RangeTotals> reusedTotals(const CallContext& context, TotalsOf kind, const RangeReuse::Walk& walk)
{
    RangeReuse* reuse = context.rangeReuse();
    if (!reuse || context.count() != 1) {
        return std::nullopt;
    }
    const bool extremes = kind == TotalsOf::NumberExtremes;
    return reuse->totals(context, kind, kFirstRange, ReadingOrder::ByColumns, extremes, walk);
}

std::optional<RangeTotals> reusedNumbers(const CallContext& context, TotalsOf kind)
{
    return reusedTotals(context, kind, [](const CallContext& part, RangeTotals& t) {
        if (const auto error = part.forEachNumber(0, [&](double x) { t.addNumber(x); })) {
            t.error = error;
        }
    });
}

// What COUNT and COUNTA count, read from the cells that hold something.
std::optional<RangeTotals> reusedCount(const CallContext& context, TotalsOf kind)
{
    const bool numbersOnly = kind == TotalsOf::Numbers;
    return reusedTotals(context, kind, [numbersOnly](const CallContext& part, RangeTotals& t) {
        part.forEachCell(0, [&](int, int, const Value& v) { t.count += (numbersOnly ? v.isNumber() : !v.isEmpty()) ? 1 : 0; });
    });
}

template <typename Pick>
Value extreme(const CallContext& context, Pick pick, bool maximum)
{
    if (const auto t = reusedNumbers(context, TotalsOf::NumberExtremes)) {
        return t->error ? Value::error(*t->error) : Value(maximum ? t->max : t->min);
    }
    double result = 0.0;
    bool any = false;
    const auto error = NumericArguments::forEach(context, [&](double x) {
        result = any ? pick(result, x) : x;
        any = true;
    });
    return error ? Value::error(*error) : Value(result);
}

// The sum range of SUMIF has the shape of the criteria range, anchored at its own top-left cell.
CellRange sumArea(const CellRange& criteria, const CellRange& sumRange)
{
    return {sumRange.left, sumRange.top, sumRange.left + criteria.columnCount() - 1,
            sumRange.top + criteria.rowCount() - 1};
}

struct SumIfTotal {
    double sum = 0.0;
    std::optional<ErrorCode> error;

    void add(const Value& v)
    {
        if (error) {
            return;
        }
        if (v.isError()) {
            error = v.error();
        } else if (v.isNumber()) {
            sum += v.number();
        }
    }
    Value result() const { return error ? Value::error(*error) : Value(sum); }
};

Value sumIfSameRange(const CallContext& context, const Criteria& criteria)
{
    SumIfTotal total;
    context.forEachCell(0, [&](int, int, const Value& v) {
        if (criteria.matches(v)) {
            total.add(v);
        }
    });
    return total.result();
}

Value sumIfOtherRange(const CallContext& context, const Criteria& criteria)
{
    const CellRange criteriaRange = context.arg(0).range;
    const CellRange sumRange = context.arg(2).range;
    const CellRange area = sumArea(criteriaRange, sumRange);
    const int dr = criteriaRange.top - area.top;
    const int dc = criteriaRange.left - area.left;
    SumIfTotal total;
    const auto visit = [&](int row, int column, const Value& v) {
        if ((v.isNumber() || v.isError()) && area.contains(row, column)
            && criteria.matches(context.cellValue(0, row + dr, column + dc))) {
            total.add(v);
        }
    };
    if (sumRange.contains(area.bottom, area.right)) {
        // Only filled sum cells can add anything.
        context.forEachCell(2, visit);
        return total.result();
    }
    // A sum range smaller than the criteria range reaches past its own end.
    for (int row = area.top; row <= area.bottom && row < kMaxRows; ++row) {
        for (int column = area.left; column <= area.right && column < kMaxColumns; ++column) {
            visit(row, column, context.cellValue(2, row, column));
        }
    }
    return total.result();
}

struct Shape {
    int rows = 1;
    int columns = 1;
    bool operator==(const Shape&) const = default;
};

// The non-reference arguments of SUMPRODUCT read once as blocks; references
// are read cell by cell, so that a long sparse column costs what it holds.
struct ProductOperands {
    const CallContext& context;
    std::vector<std::optional<ValueArray>> blocks;

    explicit ProductOperands(const CallContext& c) : context(c), blocks(std::size_t(c.count()))
    {
        for (int i = 0; i < c.count(); ++i) {
            if (!c.isReference(i)) {
                blocks[std::size_t(i)] = c.values(i);
            }
        }
    }

    std::optional<ErrorCode> firstError(int i) const
    {
        std::optional<ErrorCode> error;
        if (const auto& block = blocks[std::size_t(i)]) {
            for (const Value& v : block->items()) {
                if (v.isError()) {
                    return v.error();
                }
            }
            return error;
        }
        context.forEachCell(i, [&](int, int, const Value& v) {
            if (!error && v.isError()) {
                error = v.error();
            }
        });
        return error;
    }

    // Entries that are not numbers count as 0.
    double entry(int i, int row, int column) const
    {
        Value v;
        if (const auto& block = blocks[std::size_t(i)]) {
            if (row < block->rows() && column < block->columns()) {
                v = block->at(row, column);
            }
        } else {
            const CellRange& r = context.arg(i).range;
            v = context.cellValue(i, r.top + row, r.left + column);
        }
        return v.isNumber() ? v.number() : 0.0;
    }
};

// Empty cells are never visited: when the criteria select them they are
// counted from the size of the range.
double matchesIn(const CallContext& context)
{
    // An error as criterion counts the cells holding that error.
    const Criteria criteria(context.scalar(1));
    double matched = 0;
    double filled = 0;
    context.forEachCell(0, [&](int, int, const Value& v) {
        if (!v.isEmpty()) {
            ++filled;
            matched += criteria.matches(v) ? 1 : 0;
        }
    });
    if (criteria.matches(Value())) {
        matched += cellCount(context.arg(0).range) - filled;
    }
    return matched;
}

}  // namespace

Value sum(const CallContext& context)
{
    if (const auto t = reusedNumbers(context, TotalsOf::NumberSum)) {
        return t->error ? Value::error(*t->error) : Value(t->sum);
    }
    double total = 0.0;
    const auto error = NumericArguments::forEach(context, [&](double x) { total += x; });
    return error ? Value::error(*error) : Value(total);
}

Value average(const CallContext& context)
{
    double total = 0.0;
    int n = 0;
    const auto error = NumericArguments::forEach(context, [&](double x) {
        total += x;
        ++n;
    });
    if (error) {
        return Value::error(*error);
    }
    return n == 0 ? Value::error(ErrorCode::Div0) : Value(total / n);
}

// Referenced cells count when they hold numbers; written arguments when they convert to one.
Value count(const CallContext& context)
{
    if (const auto t = reusedCount(context, TotalsOf::Numbers)) {
        return Value(t->count);
    }
    double n = 0;
    for (int i = 0; i < context.count(); ++i) {
        if (context.isReference(i)) {
            context.forEachCell(i, [&](int, int, const Value& v) { n += v.isNumber() ? 1 : 0; });
            continue;
        }
        const Value v = context.scalar(i);
        double ignored = 0.0;
        ErrorCode code = ErrorCode::Value;
        if (!context.isMissing(i) && !v.isEmpty() && coerce::toNumber(v, ignored, code)) {
            ++n;
        }
    }
    return Value(n);
}

Value countA(const CallContext& context)
{
    if (const auto t = reusedCount(context, TotalsOf::Filled)) {
        return Value(t->count);
    }
    double n = 0;
    for (int i = 0; i < context.count(); ++i) {
        if (context.isReference(i)) {
            context.forEachCell(i, [&](int, int, const Value& v) { n += v.isEmpty() ? 0 : 1; });
        } else if (!context.isMissing(i) && !context.scalar(i).isEmpty()) {
            ++n;
        }
    }
    return Value(n);
}

Value maximum(const CallContext& context)
{
    return extreme(context, [](double a, double b) { return std::max(a, b); }, true);
}

Value minimum(const CallContext& context)
{
    return extreme(context, [](double a, double b) { return std::min(a, b); }, false);
}

Value sumIf(const CallContext& context)
{
    const bool hasSumRange = !context.isMissing(2);
    if (!context.isReference(0) || (hasSumRange && !context.isReference(2))) {
        return Value::error(ErrorCode::Value);
    }
    const Value criterion = context.scalar(1);
    if (criterion.isError()) {
        return criterion;
    }
    RangeReuse* reuse = hasSumRange ? nullptr : context.rangeReuse();
    if (const auto t = reuse ? reuse->totals(context, TotalsOf::CriteriaSum, kFirstRange, ReadingOrder::ByColumns, false,
                                             [&criterion](const CallContext& part, RangeTotals& t) {
                                                 const Criteria criteria(criterion);
                                                 part.forEachCell(0, [&](int, int, const Value& v) {
                                                     if (criteria.matches(v)) {
                                                         t.add(v);
                                                     }
                                                 });
                                             })
                             : std::nullopt) {
        return t->error ? Value::error(*t->error) : Value(t->sum);
    }
    const Criteria criteria(criterion);
    return hasSumRange ? sumIfOtherRange(context, criteria) : sumIfSameRange(context, criteria);
}

Value countIf(const CallContext& context)
{
    if (!context.isReference(0)) {
        return Value::error(ErrorCode::Value);
    }
    if (RangeReuse* reuse = context.rangeReuse()) {
        const auto t = reuse->totals(context, TotalsOf::CriteriaCount, kFirstRange, ReadingOrder::ByColumns, false,
                                     [](const CallContext& part, RangeTotals& t) { t.count += matchesIn(part); });
        if (t) {
            return Value(t->count);
        }
    }
    return Value(matchesIn(context));
}

Value sumProduct(const CallContext& context)
{
    const int rows = context.rows(0);
    const int columns = context.columns(0);
    for (int i = 0; i < context.count(); ++i) {
        if (context.isMissing(i) || context.rows(i) != rows || context.columns(i) != columns) {
            return Value::error(ErrorCode::Value);
        }
    }
    const ProductOperands operands(context);
    for (int i = 0; i < context.count(); ++i) {
        if (const auto error = operands.firstError(i)) {
            return Value::error(*error);
        }
    }
    double total = 0.0;
    const auto add = [&](int row, int column, double first) {
        double product = first;
        for (int i = 1; i < context.count() && product != 0.0; ++i) {
            product *= operands.entry(i, row, column);
        }
        total += product;
    };
    if (!context.isReference(0)) {
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                add(row, column, operands.entry(0, row, column));
            }
        }
        return Value(total);
    }
    const CellRange& first = context.arg(0).range;
    // Only positions where the first array holds a number can add anything.
    context.forEachCell(0, [&](int row, int column, const Value& v) {
        if (v.isNumber()) {
            add(row - first.top, column - first.left, v.number());
        }
    });
    return Value(total);
}

}  // namespace spreadsheet::functions
