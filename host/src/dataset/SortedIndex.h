#pragma once

#include "KeyPacking.h"
#include "KeyValue.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace host {

class Column;

enum class SearchMode { Exact, AtLeast, AtMost };

// The rows in the order of a field list: ascending, nulls first, rows with
// equal keys in query order. With no fields it is the query order itself
// and holds no permutation. It refers to the dataset's columns, so it must
// be dropped whenever they are replaced.
class SortedIndex {
public:
    SortedIndex(const std::vector<Column>& columns, std::vector<int> fields);

    const std::vector<int>& fields() const { return fields_; }
    std::size_t size() const { return rows_; }
    std::size_t row(std::size_t position) const { return order_.empty() ? position : order_[position]; }

    // Positions in [lo, hi): the first whose key prefix is not below the
    // key's first `count` values, and the first above them. upperBound
    // expects every position before `from` not to be above the key.
    std::size_t lowerBound(const std::vector<KeyValue>& key, std::size_t count, std::size_t lo, std::size_t hi) const;
    std::size_t upperBound(const std::vector<KeyValue>& key, std::size_t count, std::size_t from, std::size_t hi) const;
    // Both at once, the key packed only once.
    std::pair<std::size_t, std::size_t> equalRange(const std::vector<KeyValue>& key, std::size_t count, std::size_t lo,
                                                   std::size_t hi) const;
    // The position within [lo, hi) that the mode asks for, or hi.
    std::size_t search(const std::vector<KeyValue>& key, std::size_t count, SearchMode mode, std::size_t lo,
                       std::size_t hi) const;
    // Where a row stands in this order.
    std::size_t positionOf(std::size_t row) const;

private:
    void sortPacked();
    void sortByFields();
    std::size_t firstPacked(std::uint64_t code, std::size_t lo, std::size_t hi) const;
    int compareWithKey(std::size_t position, const std::vector<KeyValue>& key, std::size_t count) const;
    int compareRows(std::size_t a, std::size_t b) const;

    const std::vector<Column>* columns_;
    std::vector<int> fields_;
    std::size_t rows_;
    std::vector<quint32> order_;
    // When the key packs: each position's packed key, in index order.
    std::optional<KeyPacking> packing_;
    std::vector<std::uint64_t> packed_;
    std::vector<std::uint64_t> sampled_;
};

}  // namespace host
