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
    void clear()
    {
        indexes_.clear();
        last_ = nullptr;
    }
    // Indexes sorted so far; the query order is not counted.
    std::size_t builds() const { return builds_; }

private:
    const std::vector<Column>& columns_;
    std::map<std::vector<int>, std::unique_ptr<SortedIndex>> indexes_;
    // A range is applied at every payroll cell, nearly always on the index
    // asked for last: the map is searched only when the fields change.
    const std::vector<int>* lastFields_ = nullptr;
    const SortedIndex* last_ = nullptr;
    std::size_t builds_ = 0;
};

}  // namespace host
