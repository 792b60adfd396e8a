#pragma once

#include "SortedIndex.h"

#include <cstddef>
#include <map>
#include <memory>
#include <vector>

namespace host {

class Column;

// Every index a dataset has built, by field list, so that switching back
// to an earlier order costs nothing. Entries never move, so views may keep
// pointers to them until the cache is cleared.
class IndexCache {
public:
    explicit IndexCache(const std::vector<Column>& columns) : columns_(columns) {}

    const SortedIndex& get(const std::vector<int>& fields);
    void clear() { indexes_.clear(); }
    // Indexes sorted so far; the query order is not counted.
    std::size_t builds() const { return builds_; }

private:
    const std::vector<Column>& columns_;
    std::map<std::vector<int>, std::unique_ptr<SortedIndex>> indexes_;
    std::size_t builds_ = 0;
};

}  // namespace host
