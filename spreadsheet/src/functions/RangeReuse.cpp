#include "RangeReuse.h"

#include "../RangeGrowth.h"
#include "../SheetData.h"
#include "CallContext.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

namespace spreadsheet {

namespace {

std::atomic<bool> reuseEnabled{true};

constexpr std::size_t kKeptCalls = 16;

// Alike to the bit: texts differing in case are other criteria.
bool sameValue(const Value& a, const Value& b)
{
    if (a.type() != b.type()) {
        return false;
    }
    if (a.isText()) {
        return a.text() == b.text();
    }
    if (a.isError()) {
        return a.error() == b.error();
    }
    return a.number() == b.number() && std::signbit(a.number()) == std::signbit(b.number());
}

bool contains(std::span<const int> ranges, int i)
{
    return std::find(ranges.begin(), ranges.end(), i) != ranges.end();
}

// The ranges must be single areas of one shape, on sheets without spilled
// arrays, for their cells to be read in the order of a plain walk.
bool fits(const CallContext& context, std::span<const int> ranges)
{
    if (ranges.empty()) {
        return false;
    }
    const CellRange& first = context.arg(ranges[0]).range;
    for (const int i : ranges) {
        if (i >= context.count() || !context.isReference(i)) {
            return false;
        }
        const Operand& o = context.arg(i);
        if (!o.sheet || o.isMultiArea() || !o.sheet->data().spills.empty()
            || o.range.rowCount() != first.rowCount() || o.range.columnCount() != first.columnCount()) {
            return false;
        }
    }
    return true;
}

// Whether the cells past a range of the key come after its own cells in
// reading order (a running total down a column), before them (a range
// growing up), or among them.
enum class Placement { After, Before, Among };

Placement placementOf(Growth g, ReadingOrder order, const CellRange& r)
{
    switch (g) {
    case Growth::Down:
        return order == ReadingOrder::ByRows || r.left == r.right ? Placement::After : Placement::Among;
    case Growth::Right:
        return order == ReadingOrder::ByColumns || r.top == r.bottom ? Placement::After : Placement::Among;
    case Growth::Up:
        break;
    }
    return order == ReadingOrder::ByRows || r.left == r.right ? Placement::Before : Placement::Among;
}

// The arguments of the call with each range cut to the cells that differ
// from the earlier call's range, whose first range reached `reached`: the
// cells it adds (or, for an outer earlier range, the cells it leaves out).
std::vector<Operand> partOf(const CallContext& context, std::span<const int> ranges, Growth g, int reached, bool outer)
{
    std::vector<Operand> args;
    for (int i = 0; i < context.count(); ++i) {
        args.push_back(context.arg(i));
    }
    const int shift = reached - reachOf(context.arg(ranges[0]).range, g);
    for (const int i : ranges) {
        CellRange& r = args[std::size_t(i)].range;
        if (outer) {
            // The cells of the larger range that this one leaves out.
            CellRange larger = r;
            (g == Growth::Down ? larger.bottom : g == Growth::Up ? larger.top : larger.right) += shift;
            r = pastReach(larger, g, reachOf(r, g));
        } else {
            r = pastReach(r, g, reachOf(r, g) + shift);
        }
    }
    return args;
}

}  // namespace

void RangeReuse::setEnabled(bool enabled)
{
    reuseEnabled = enabled;
}

bool RangeReuse::enabled()
{
    return reuseEnabled;
}

void RangeReuse::clear()
{
    calls_.clear();
}

bool RangeReuse::sameCall(const Call& earlier) const
{
    if (earlier.function != wanted_.function || earlier.sheets != wanted_.sheets
        || earlier.others.size() != wanted_.others.size()) {
        return false;
    }
    for (std::size_t i = 0; i < earlier.others.size(); ++i) {
        if (!sameValue(earlier.others[i], wanted_.others[i])) {
            return false;
        }
    }
    return true;
}

RangeReuse::Call& RangeReuse::leastRecent()
{
    if (calls_.size() < kKeptCalls) {
        return calls_.emplace_back();
    }
    return *std::min_element(calls_.begin(), calls_.end(), [](const Call& a, const Call& b) { return a.used < b.used; });
}

// The earlier call's ranges must share three sides with this one's, all
// under the same way of growing.
std::optional<RangeTotals> RangeReuse::fromEarlier(const CallContext& context, const Call& earlier,
                                                   std::span<const int> ranges, ReadingOrder order, bool withExtremes,
                                                   const Walk& walk) const
{
    for (const Growth g : kGrowths) {
        bool aligned = true;
        for (std::size_t i = 0; i < earlier.ranges.size() && aligned; ++i) {
            const GrowthKey a = growthKey(nullptr, earlier.ranges[i], g);
            const GrowthKey b = growthKey(nullptr, wanted_.ranges[i], g);
            aligned = a == b;
        }
        if (!aligned) {
            continue;
        }
        const CellRange& range = wanted_.ranges[0];
        const int reached = reachOf(earlier.ranges[0], g);
        const int reach = reachOf(range, g);
        if (reached == reach) {
            return earlier.totals;
        }
        RangeTotals totals = earlier.totals;
        if (reachHolds(g, reach, reached)) {
            const std::vector<Operand> part = partOf(context, ranges, g, reached, false);
            const Placement placement = placementOf(g, order, range);
            if (placement == Placement::After) {
                if (!totals.error) {
                    walk(context.withArguments(part), totals);
                }
                return totals;
            }
            RangeTotals added;
            walk(context.withArguments(part), added);
            return totals.merge(added, placement == Placement::Before) ? std::optional(totals) : std::nullopt;
        }
        if (withExtremes || totals.error || !totals.orderFree) {
            return std::nullopt;  // what a subtraction could not give
        }
        RangeTotals removed;
        walk(context.withArguments(partOf(context, ranges, g, reached, true)), removed);
        return totals.subtract(removed) ? std::optional(totals) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<RangeTotals> RangeReuse::totals(const CallContext& context, TotalsOf function, std::span<const int> ranges,
                                              ReadingOrder order, bool withExtremes, const Walk& walk)
{
    if (!fits(context, ranges)) {
        return std::nullopt;
    }
    wanted_.function = function;
    wanted_.sheets.clear();
    wanted_.ranges.clear();
    wanted_.others.clear();
    for (int i = 0; i < context.count(); ++i) {
        if (contains(ranges, i)) {
            wanted_.sheets.push_back(context.arg(i).sheet);
            wanted_.ranges.push_back(context.arg(i).range);
        } else {
            wanted_.others.push_back(context.scalar(i));
        }
    }
    Call* slot = nullptr;
    std::optional<RangeTotals> totals;
    for (Call& earlier : calls_) {
        if (sameCall(earlier)) {
            slot = &earlier;
            totals = fromEarlier(context, earlier, ranges, order, withExtremes, walk);
            if (totals) {
                break;
            }
        }
    }
    if (!totals) {
        totals.emplace();
        walk(context, *totals);
    }
    if (!slot) {
        slot = &leastRecent();
        slot->function = function;
        slot->sheets = wanted_.sheets;
        slot->others = wanted_.others;
    }
    slot->ranges = wanted_.ranges;
    slot->totals = *totals;
    slot->used = ++uses_;
    return totals;
}

}  // namespace spreadsheet
