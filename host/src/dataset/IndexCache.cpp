#include "IndexCache.h"

namespace host {

const SortedIndex& IndexCache::get(const std::vector<int>& fields)
{
    if (last_ && *lastFields_ == fields)
        return *last_;
    const auto entry = indexes_.try_emplace(fields).first;
    // Also an entry whose build failed before.
    if (!entry->second) {
        entry->second = std::make_unique<SortedIndex>(columns_, fields);
        if (!fields.empty()) {
            ++builds_;
        }
    }
    lastFields_ = &entry->first;
    last_ = entry->second.get();
    return *last_;
}

}  // namespace host
