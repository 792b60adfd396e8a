#include "DescriptiveFunctions.h"

#include "ArgumentReader.h"
#include "StatisticSupport.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace spreadsheet::functions {

namespace {

using stat::Numbers;

// Functions of the numbers of the first argument and one number after it.
template <typename F>
Value withParameter(const CallContext& context, F f)
{
    Numbers x;
    const auto error = stat::numbersOf(context, 0, x);
    ArgumentReader args(context);
    const double k = args.number(1);
    if (error) {
        return Value::error(*error);
    }
    if (args.failed()) {
        return args.error();
    }
    return f(std::move(x), k);
}

// The numbers of RANK's reference, the number to place and whether the
// order is ascending; nullopt-like failures come back as an error value.
struct RankInput {
    Numbers numbers;
    double x = 0.0;
    bool ascending = false;
    Value failure;
};

RankInput readRank(const CallContext& context)
{
    RankInput in;
    ArgumentReader args(context);
    in.x = args.number(0);
    in.ascending = args.number(2) != 0.0;
    if (args.failed()) {
        in.failure = args.error();
        return in;
    }
    if (!context.isReference(1) && !context.isArray(1)) {
        in.failure = Value::error(ErrorCode::Value);
    } else if (const auto error = stat::numbersOf(context, 1, in.numbers)) {
        in.failure = Value::error(*error);
    }
    return in;
}

// 1 + the count of numbers ranked before x, and the count equal to it.
std::pair<double, double> placeOf(const RankInput& in)
{
    double before = 0.0;
    double equal = 0.0;
    for (const double v : in.numbers) {
        equal += v == in.x ? 1.0 : 0.0;
        before += (in.ascending ? v < in.x : v > in.x) ? 1.0 : 0.0;
    }
    return {before + 1.0, equal};
}

// PERCENTRANK's position of x along the sorted numbers, counted from 0 and
// interpolated between neighbours; -1 when x lies outside them.
double positionOf(const Numbers& sorted, double x)
{
    if (x < sorted.front() || x > sorted.back()) {
        return -1.0;
    }
    const auto at = std::lower_bound(sorted.begin(), sorted.end(), x);
    const auto i = static_cast<double>(at - sorted.begin());
    if (*at == x) {
        return i;
    }
    const double below = *(at - 1);
    return i - 1.0 + (x - below) / (*at - below);
}

Value percentRank(const CallContext& context, bool exclusive)
{
    Numbers x;
    const auto error = stat::numbersOf(context, 0, x);
    ArgumentReader args(context);
    const double value = args.number(1);
    const int digits = args.integer(2, 3);
    if (error) {
        return Value::error(*error);
    }
    if (args.failed()) {
        return args.error();
    }
    if (x.empty() || digits < 1) {
        return Value::error(ErrorCode::Num);
    }
    std::sort(x.begin(), x.end());
    const double position = positionOf(x, value);
    if (position < 0.0) {
        return Value::error(ErrorCode::NA);
    }
    const double n = static_cast<double>(x.size());
    double rank = 1.0;
    if (exclusive) {
        rank = (position + 1.0) / (n + 1.0);
    } else if (n > 1.0) {
        rank = position / (n - 1.0);
    }
    // Excel cuts the rank to its digits instead of rounding it.
    const double scale = std::pow(10.0, digits);
    return Value(std::floor(rank * scale + 1e-9) / scale);
}

}  // namespace

Value median(const CallContext& context)
{
    Numbers x;
    if (const auto error = stat::numbersFrom(context, 0, x)) {
        return Value::error(*error);
    }
    return stat::median(std::move(x));
}

Value modeSingle(const CallContext& context)
{
    Numbers x;
    if (const auto error = stat::numbersFrom(context, 0, x)) {
        return Value::error(*error);
    }
    return stat::mostFrequent(x);
}

// Every value that occurs most often, in the order met, as a column.
Value modeMultiple(const CallContext& context)
{
    Numbers x;
    if (const auto error = stat::numbersFrom(context, 0, x)) {
        return Value::error(*error);
    }
    std::map<double, int> counts;
    int best = 1;
    for (const double v : x) {
        best = std::max(best, ++counts[v]);
    }
    std::vector<Value> modes;
    for (const double v : x) {
        auto it = counts.find(v);
        if (best > 1 && it->second == best) {
            modes.emplace_back(v);
            it->second = 0;  // listed once
        }
    }
    if (modes.empty()) {
        return Value::error(ErrorCode::NA);
    }
    const int rows = static_cast<int>(modes.size());
    return Value::array(ValueArray(rows, 1, std::move(modes)));
}

Value large(const CallContext& context)
{
    return withParameter(context, [](Numbers x, double k) { return stat::kth(std::move(x), k, true); });
}

Value small(const CallContext& context)
{
    return withParameter(context, [](Numbers x, double k) { return stat::kth(std::move(x), k, false); });
}

Value percentileInc(const CallContext& context)
{
    return withParameter(context, [](Numbers x, double k) { return stat::percentileInclusive(std::move(x), k); });
}

Value percentileExc(const CallContext& context)
{
    return withParameter(context, [](Numbers x, double k) { return stat::percentileExclusive(std::move(x), k); });
}

Value quartileInc(const CallContext& context)
{
    return withParameter(context, [](Numbers x, double q) { return stat::quartile(std::move(x), q, false); });
}

Value quartileExc(const CallContext& context)
{
    return withParameter(context, [](Numbers x, double q) { return stat::quartile(std::move(x), q, true); });
}

// Trims the same count of numbers from each end: the share asked for,
// rounded down to an even count.
Value trimMean(const CallContext& context)
{
    return withParameter(context, [](Numbers x, double share) {
        if (x.empty() || share < 0.0 || share >= 1.0) {
            return Value::error(ErrorCode::Num);
        }
        const auto cut = static_cast<std::size_t>(std::floor(static_cast<double>(x.size()) * share / 2.0));
        std::sort(x.begin(), x.end());
        const Numbers kept(x.begin() + std::ptrdiff_t(cut), x.end() - std::ptrdiff_t(cut));
        return Value(stat::mean(kept));
    });
}

Value rankEq(const CallContext& context)
{
    const RankInput in = readRank(context);
    if (in.failure.isError()) {
        return in.failure;
    }
    const auto [place, equal] = placeOf(in);
    return equal == 0.0 ? Value::error(ErrorCode::NA) : Value(place);
}

Value rankAvg(const CallContext& context)
{
    const RankInput in = readRank(context);
    if (in.failure.isError()) {
        return in.failure;
    }
    const auto [place, equal] = placeOf(in);
    return equal == 0.0 ? Value::error(ErrorCode::NA) : Value(place + (equal - 1.0) / 2.0);
}

Value percentRankInc(const CallContext& context)
{
    return percentRank(context, false);
}

Value percentRankExc(const CallContext& context)
{
    return percentRank(context, true);
}

// For each bin, the count of data above the next lower bin and up to it;
// one more count for the data above every bin.
Value frequency(const CallContext& context)
{
    Numbers data;
    Numbers bins;
    if (const auto error = stat::numbersOf(context, 0, data)) {
        return Value::error(*error);
    }
    if (const auto error = stat::numbersOf(context, 1, bins)) {
        return Value::error(*error);
    }
    Numbers sortedBins = bins;
    std::sort(sortedBins.begin(), sortedBins.end());
    std::vector<double> counts(sortedBins.size() + 1, 0.0);
    for (const double v : data) {
        counts[std::size_t(std::lower_bound(sortedBins.begin(), sortedBins.end(), v) - sortedBins.begin())] += 1.0;
    }
    std::vector<Value> items;
    for (const double bin : bins) {
        const auto at = std::size_t(std::lower_bound(sortedBins.begin(), sortedBins.end(), bin) - sortedBins.begin());
        items.emplace_back(counts[at]);
        counts[at] = 0.0;  // a repeated bin counts nothing more
    }
    items.emplace_back(counts.back());
    const int rows = static_cast<int>(items.size());
    return Value::array(ValueArray(rows, 1, std::move(items)));
}

}  // namespace spreadsheet::functions
