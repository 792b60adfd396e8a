#include "IndexCache.h"

namespace host {

const SortedIndex& IndexCache::get(const std::vector<int>& fields)
{
    std::unique_ptr<SortedIndex>& slot = indexes_[fields];
    if (!slot) {
        slot = std::make_unique<SortedIndex>(columns_, fields);
        if (!fields.empty()) {
            ++builds_;
        }
    }
    return *slot;
}

}  // namespace host
