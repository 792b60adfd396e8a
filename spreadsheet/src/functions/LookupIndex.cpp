#include "LookupIndex.h"

#include "../DecimalDigits.h"
#include "LookupVector.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace spreadsheet {

namespace {

struct VectorKey {
    const void* sheet;
    CellRange range;
    bool vertical;
    int line;
    bool operator==(const VectorKey&) const = default;
};

struct VectorKeyHash {
    std::size_t operator()(const VectorKey& k) const
    {
        return qHashMulti(0, k.sheet, k.range.left, k.range.top, k.range.right, k.range.bottom, k.vertical, k.line);
    }
};

struct IndexCache {
    std::uint64_t pass = 0;
    std::unordered_map<VectorKey, std::unique_ptr<LookupIndex>, VectorKeyHash> indexes;
};

}  // namespace

const LookupIndex* LookupIndex::obtain(const LookupVector& vector)
{
    const std::uint64_t pass = vector.context().calculationPass();
    if (pass == 0) {
        return nullptr;
    }
    thread_local IndexCache cache;
    if (cache.pass != pass) {
        cache.indexes.clear();
        cache.pass = pass;
    }
    const VectorKey key{vector.context().arg(vector.arg()).sheet, vector.range(), vector.isVertical(), vector.line()};
    auto& slot = cache.indexes[key];
    if (!slot) {
        // Built aside first: reading the cells may be interrupted.
        auto index = std::make_unique<LookupIndex>();
        index->build(vector);
        slot = std::move(index);
    }
    return slot.get();
}

// Numbers are keyed by their 15 significant digits, the precision at which
// the comparison operators call two numbers equal.
std::optional<LookupIndex::Key> LookupIndex::keyOf(const Value& value)
{
    switch (value.type()) {
    case ValueType::Number:
        return Key{ValueType::Number, DecimalDigits(value.number()).toDouble(), {}};
    case ValueType::Boolean:
        return Key{ValueType::Boolean, value.number(), {}};
    case ValueType::Text:
        return Key{ValueType::Text, 0.0, value.text().toCaseFolded()};
    default:
        return std::nullopt;
    }
}

void LookupIndex::build(const LookupVector& vector)
{
    vector.context().forEachCell(vector.arg(), [&](int row, int column, const Value& v) {
        if (!vector.contains(row, column)) {
            return;
        }
        if (const auto key = keyOf(v)) {
            const int offset = vector.offsetOf(row, column);
            auto it = first_.find(*key);
            if (it == first_.end()) {
                first_.insert(*key, offset);
            } else if (offset < *it) {
                *it = offset;
            }
        }
    });
}

int LookupIndex::find(const Value& value) const
{
    const auto key = keyOf(value);
    return key ? first_.value(*key, -1) : -1;
}

}  // namespace spreadsheet
