#include "SortedIndex.h"

#include "Column.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <numeric>
#include <utility>

namespace host {

namespace {

std::size_t partitionPoint(std::size_t lo, std::size_t hi, auto&& before)
{
    // A plain binary search: clang 14 cannot take libstdc++ 12's iota_view
    // in the ranges algorithms, and the fuzz build uses clang.
    while (lo < hi) {
        const std::size_t middle = lo + (hi - lo) / 2;
        if (before(middle))
            lo = middle + 1;
        else
            hi = middle;
    }
    return lo;
}

using CodedRow = std::pair<std::uint64_t, quint32>;

// Every kSampleStep-th packed key is kept apart, for the searches of large
// indexes (see firstPacked).
constexpr std::size_t kSampleStep = 32;
constexpr std::size_t kSampledSearch = 4096;

// Sorts (code, row) pairs given in row order by code, keeping row order
// among equal codes, byte by byte from the lowest: each pass is stable, so
// the result is the pairs' own order. The tens of thousands of rows of a
// payroll query are sorted in a few linear passes instead of a comparison
// sort's many steps per row.
void sortByCode(std::vector<CodedRow>& pairs)
{
    constexpr std::size_t kFew = 256;
    constexpr int kBitsPerPass = 8;
    constexpr std::size_t kBuckets = std::size_t{1} << kBitsPerPass;
    if (pairs.size() < kFew) {
        std::sort(pairs.begin(), pairs.end());
        return;
    }
    std::uint64_t usedBits = 0;
    for (const CodedRow& pair : pairs)
        usedBits |= pair.first;
    std::vector<CodedRow> sorted(pairs.size());
    const int width = static_cast<int>(std::bit_width(usedBits));
    for (int shift = 0; shift < width; shift += kBitsPerPass) {
        const auto bucket = [shift](const CodedRow& pair) { return (pair.first >> shift) & (kBuckets - 1); };
        std::array<std::size_t, kBuckets> start{};
        for (const CodedRow& pair : pairs)
            ++start[bucket(pair)];
        // A byte that is the same in every code moves nothing.
        if (std::find(start.begin(), start.end(), pairs.size()) != start.end())
            continue;
        std::exclusive_scan(start.begin(), start.end(), start.begin(), std::size_t{0});
        for (const CodedRow& pair : pairs)
            sorted[start[bucket(pair)]++] = pair;
        pairs.swap(sorted);
    }
}

// Ranges are usually short, so their end is sought by doubling steps from
// their start: the cost grows with the log of the range, not of the index.
std::size_t gallop(std::size_t from, std::size_t hi, auto&& before)
{
    std::size_t step = 1;
    while (from + step <= hi && before(from + step - 1)) {
        from += step;
        step *= 2;
    }
    return partitionPoint(from, std::min(from + step, hi), before);
}

// One pass of a least-significant-field-first sort: reorders the rows by
// one column and keeps the order of equal values, so after the passes over
// all fields, last to first, the rows follow the whole field list. Sorting
// (key, previous position) pairs keeps the pass cache-friendly and makes
// the plain sort stable.
std::vector<quint32> sortByColumn(const Column& column, const std::vector<quint32>& order)
{
    std::vector<std::pair<std::uint64_t, quint32>> keyed(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        keyed[i] = {column.sortKey(order[i]), static_cast<quint32>(i)};
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<quint32> sorted(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted[i] = order[keyed[i].second];
    }
    if (column.hasNulls()) {
        std::stable_partition(sorted.begin(), sorted.end(), [&column](quint32 row) { return column.isNull(row); });
    }
    return sorted;
}

}  // namespace

SortedIndex::SortedIndex(const std::vector<Column>& columns, std::vector<int> fields)
    : columns_(&columns), fields_(std::move(fields)), rows_(columns.empty() ? 0 : columns.front().size())
{
    if (fields_.empty()) {
        return;
    }
    packing_ = KeyPacking::plan(columns, fields_);
    if (packing_) {
        sortPacked();
    } else {
        sortByFields();
    }
}

// Sorting (packed key, row) pairs orders by the whole key and keeps query
// order among equal keys.
void SortedIndex::sortPacked()
{
    const std::vector<std::uint64_t> codes = packing_->rowCodes(rows_);
    std::vector<CodedRow> keyed(rows_);
    for (std::size_t r = 0; r < rows_; ++r) {
        keyed[r] = {codes[r], static_cast<quint32>(r)};
    }
    sortByCode(keyed);
    order_.resize(rows_);
    packed_.resize(rows_);
    for (std::size_t p = 0; p < rows_; ++p) {
        packed_[p] = keyed[p].first;
        order_[p] = keyed[p].second;
    }
    if (rows_ >= kSampledSearch) {
        sampled_.reserve(rows_ / kSampleStep + 1);
        for (std::size_t p = 0; p < rows_; p += kSampleStep)
            sampled_.push_back(packed_[p]);
    }
}

// A binary search over a large index reads a cache line from memory at
// nearly every step. The sample, a thirty-second of the keys, mostly stays
// in cache; it leaves one block of keys to read, fetched all at once.
std::size_t SortedIndex::firstPacked(std::uint64_t code, std::size_t lo, std::size_t hi) const
{
    const auto below = [&](std::size_t p) { return packed_[p] < code; };
    if (hi - lo < kSampledSearch || sampled_.empty()) {
        return partitionPoint(lo, hi, below);
    }
    // Sample j is key j * kSampleStep: the first key not below the code
    // lies after the last sample below it, and no later than the next.
    const std::size_t j = partitionPoint(0, sampled_.size(), [&](std::size_t s) { return sampled_[s] < code; });
    const std::size_t from = j == 0 ? 0 : (j - 1) * kSampleStep + 1;
    const std::size_t to = std::min(j * kSampleStep, rows_);
    for (std::size_t p = from; p < to; p += 8) {
        __builtin_prefetch(&packed_[p]);
    }
    return std::clamp(partitionPoint(from, to, below), lo, hi);
}

void SortedIndex::sortByFields()
{
    order_.resize(rows_);
    std::iota(order_.begin(), order_.end(), 0u);
    for (auto field = fields_.rbegin(); field != fields_.rend(); ++field) {
        order_ = sortByColumn((*columns_)[static_cast<std::size_t>(*field)], order_);
    }
}

int SortedIndex::compareWithKey(std::size_t position, const std::vector<KeyValue>& key, std::size_t count) const
{
    const std::size_t r = row(position);
    for (std::size_t i = 0; i < count; ++i) {
        const int order = key[i].compareRow((*columns_)[static_cast<std::size_t>(fields_[i])], r);
        if (order != 0) {
            return order;
        }
    }
    return 0;
}

int SortedIndex::compareRows(std::size_t a, std::size_t b) const
{
    for (const int field : fields_) {
        const int order = (*columns_)[static_cast<std::size_t>(field)].compareRows(a, b);
        if (order != 0) {
            return order;
        }
    }
    return 0;
}

std::size_t SortedIndex::lowerBound(const std::vector<KeyValue>& key, std::size_t count, std::size_t lo,
                                    std::size_t hi) const
{
    if (packing_) {
        return firstPacked(packing_->bounds(key, count).low, lo, hi);
    }
    return partitionPoint(lo, hi, [&](std::size_t p) { return compareWithKey(p, key, count) < 0; });
}

std::size_t SortedIndex::upperBound(const std::vector<KeyValue>& key, std::size_t count, std::size_t from,
                                    std::size_t hi) const
{
    if (packing_) {
        const std::uint64_t high = packing_->bounds(key, count).high;
        return gallop(from, hi, [&](std::size_t p) { return packed_[p] < high; });
    }
    return gallop(from, hi, [&](std::size_t p) { return compareWithKey(p, key, count) <= 0; });
}

std::pair<std::size_t, std::size_t> SortedIndex::equalRange(const std::vector<KeyValue>& key, std::size_t count,
                                                            std::size_t lo, std::size_t hi) const
{
    if (packing_) {
        const KeyPacking::Bounds bounds = packing_->bounds(key, count);
        const std::size_t first = firstPacked(bounds.low, lo, hi);
        return {first, gallop(first, hi, [&](std::size_t p) { return packed_[p] < bounds.high; })};
    }
    const std::size_t first = lowerBound(key, count, lo, hi);
    return {first, upperBound(key, count, first, hi)};
}

std::size_t SortedIndex::search(const std::vector<KeyValue>& key, std::size_t count, SearchMode mode, std::size_t lo,
                                std::size_t hi) const
{
    const std::size_t first = lowerBound(key, count, lo, hi);
    switch (mode) {
    case SearchMode::Exact:
        return first < hi && compareWithKey(first, key, count) == 0 ? first : hi;
    case SearchMode::AtLeast:
        return first;
    case SearchMode::AtMost: {
        const std::size_t end = upperBound(key, count, first, hi);
        return end > lo ? end - 1 : hi;
    }
    }
    return hi;
}

// Equal keys keep query order, so (key, row number) is unique and sorted.
std::size_t SortedIndex::positionOf(std::size_t target) const
{
    if (order_.empty()) {
        return target;
    }
    if (packing_) {
        const std::uint64_t code = packing_->rowCode(target);
        return partitionPoint(
            0, rows_, [&](std::size_t p) { return packed_[p] < code || (packed_[p] == code && order_[p] < target); });
    }
    return partitionPoint(0, rows_, [&](std::size_t p) {
        const std::size_t r = row(p);
        const int order = compareRows(r, target);
        return order < 0 || (order == 0 && r < target);
    });
}

}  // namespace host
