#include "ConditionalFunctions.h"

#include "CallContext.h"
#include "Criteria.h"
#include "CriteriaIndex.h"
#include "RangeReuse.h"

#include <algorithm>
#include <vector>

namespace spreadsheet::functions {

namespace {

// A range read as a block: positions past the block (the sheet's used area
// ends there) are empty, or read cell by cell where the written range was
// smaller than the area it stands for (AVERAGEIF's anchored range).
struct Block {
    const CallContext* context = nullptr;
    int arg = -1;
    ValueArray cells{1, 1};

    Block(const CallContext& c, int i) : context(&c), arg(i), cells(c.values(i)) {}

    Value at(int row, int column) const
    {
        if (row < cells.rows() && column < cells.columns()) {
            return cells.at(row, column);
        }
        if (!context->isReference(arg)) {
            return {};
        }
        const CellRange& r = context->arg(arg).range;
        return context->cellValue(arg, r.top + row, r.left + column);
    }
};

struct Condition {
    Block range;
    Criteria criteria;
};

// The (range, criterion) pairs from argument first on, all of the given shape.
struct Conditions {
    std::vector<Condition> list;
    int rows = 0;
    int columns = 0;
    bool shapeMismatch = false;

    Conditions(const CallContext& context, int first, int rowCount, int columnCount) : rows(rowCount), columns(columnCount)
    {
        for (int i = first; i + 1 < context.count(); i += 2) {
            if (context.rows(i) != rows || context.columns(i) != columns) {
                shapeMismatch = true;
                return;
            }
            list.push_back({Block(context, i), Criteria(context.scalar(i + 1))});
        }
    }

    bool matchAt(int row, int column) const
    {
        return std::all_of(list.begin(), list.end(), [&](const Condition& c) { return c.criteria.matches(c.range.at(row, column)); });
    }

    // Calls visit(row, column) for each matching position inside the cells
    // any range (the value range too) holds; returns how many positions past
    // them, where every range is empty, match too.
    template <typename Visit>
    double forEachMatch(Visit visit, const Block* values = nullptr) const
    {
        int heldRows = values ? std::min(rows, values->cells.rows()) : 0;
        int heldColumns = values ? std::min(columns, values->cells.columns()) : 0;
        for (const Condition& c : list) {
            heldRows = std::max(heldRows, std::min(rows, c.range.cells.rows()));
            heldColumns = std::max(heldColumns, std::min(columns, c.range.cells.columns()));
        }
        for (int row = 0; row < heldRows; ++row) {
            for (int column = 0; column < heldColumns; ++column) {
                if (matchAt(row, column)) {
                    visit(row, column);
                }
            }
        }
        const bool emptyMatches = std::all_of(list.begin(), list.end(), [](const Condition& c) { return c.criteria.matches(Value()); });
        const double past = static_cast<double>(rows) * columns - static_cast<double>(heldRows) * heldColumns;
        return emptyMatches ? past : 0.0;
    }
};

// Sums, counts or picks the numbers of a value range at matching positions;
// the first error met there is the result.
using Tally = RangeTotals;

// A call whose ranges extend those of a call earlier in the pass (a running
// SUMIFS down a column) reads only the new positions; the positions are read
// row by row. The value range, if any, is at valueArg; the pairs start at
// firstPair.
std::optional<RangeTotals> reusedIfs(const CallContext& context, int valueArg, int firstPair, TotalsOf kind)
{
    RangeReuse* reuse = context.rangeReuse();
    if (!reuse || context.count() <= firstPair || (context.count() - firstPair) % 2 != 0) {
        return std::nullopt;
    }
    std::vector<int> ranges;
    if (valueArg >= 0) {
        ranges.push_back(valueArg);
    }
    for (int i = firstPair; i + 1 < context.count(); i += 2) {
        ranges.push_back(i);
    }
    const auto walk = [valueArg, firstPair](const CallContext& part, RangeTotals& t) {
        const Conditions conditions(part, firstPair, part.rows(firstPair), part.columns(firstPair));
        if (valueArg < 0) {
            double n = 0.0;
            const double past = conditions.forEachMatch([&](int, int) { n += 1.0; });
            t.count += n + past;
            return;
        }
        const Block values(part, valueArg);
        conditions.forEachMatch([&](int row, int column) { t.add(values.at(row, column)); }, &values);
    };
    return reuse->totals(context, kind, ranges, ReadingOrder::ByRows, kind == TotalsOf::IfsExtremes, walk);
}

// SUMIFS-like reading: the value range at argument 0, conditions from 1 on.
std::optional<Tally> tallyIfs(const CallContext& context, Value& failure, TotalsOf kind)
{
    if (const auto t = CriteriaIndex::totals(context, 0, 1)) {
        return Tally{t->sum, t->numbers, t->max, t->min, t->error};
    }
    if (const auto t = reusedIfs(context, 0, 1, kind)) {
        return t;
    }
    const Conditions conditions(context, 1, context.rows(0), context.columns(0));
    if (conditions.shapeMismatch || context.count() % 2 == 0) {
        failure = Value::error(ErrorCode::Value);
        return std::nullopt;
    }
    const Block values(context, 0);
    Tally tally;
    conditions.forEachMatch([&](int row, int column) { tally.add(values.at(row, column)); }, &values);
    return tally;
}

template <typename Result>
Value overTally(const CallContext& context, TotalsOf kind, Result result)
{
    Value failure;
    const auto tally = tallyIfs(context, failure, kind);
    if (!tally) {
        return failure;
    }
    return tally->error ? Value::error(*tally->error) : result(*tally);
}

}  // namespace

Value sumIfs(const CallContext& context)
{
    return overTally(context, TotalsOf::IfsSum, [](const Tally& t) { return Value(t.sum); });
}

Value averageIfs(const CallContext& context)
{
    return overTally(context, TotalsOf::IfsSum, [](const Tally& t) { return t.count == 0.0 ? Value::error(ErrorCode::Div0) : Value(t.sum / t.count); });
}

Value maxIfs(const CallContext& context)
{
    return overTally(context, TotalsOf::IfsExtremes, [](const Tally& t) { return Value(t.max); });
}

Value minIfs(const CallContext& context)
{
    return overTally(context, TotalsOf::IfsExtremes, [](const Tally& t) { return Value(t.min); });
}

Value countIfs(const CallContext& context)
{
    if (const auto t = CriteriaIndex::totals(context, -1, 0)) {
        return Value(t->matched);
    }
    if (const auto t = reusedIfs(context, -1, 0, TotalsOf::IfsCount)) {
        return Value(t->count);
    }
    const Conditions conditions(context, 0, context.rows(0), context.columns(0));
    if (conditions.shapeMismatch || context.count() % 2 == 1) {
        return Value::error(ErrorCode::Value);
    }
    double n = 0.0;
    const double pastTheCells = conditions.forEachMatch([&](int, int) { n += 1.0; });
    return Value(n + pastTheCells);
}

// The average range has the shape of the criteria range, from its own top-left cell.
Value averageIf(const CallContext& context)
{
    const Conditions conditions(context, 0, context.rows(0), context.columns(0));
    const int valueArg = context.isMissing(2) ? 0 : 2;
    const Block values(context, valueArg);
    Tally tally;
    conditions.forEachMatch([&](int row, int column) { tally.add(values.at(row, column)); }, &values);
    if (tally.error) {
        return Value::error(*tally.error);
    }
    return tally.count == 0.0 ? Value::error(ErrorCode::Div0) : Value(tally.sum / tally.count);
}

// Empty cells and cells showing "" are blank.
Value countBlank(const CallContext& context)
{
    if (!context.isReference(0)) {
        return Value::error(ErrorCode::Value);
    }
    double filled = 0.0;
    context.forEachCell(0, [&](int, int, const Value& v) {
        filled += v.isEmpty() || (v.isText() && v.text().isEmpty()) ? 0.0 : 1.0;
    });
    return Value(static_cast<double>(context.rows(0)) * context.columns(0) - filled);
}

}  // namespace spreadsheet::functions
