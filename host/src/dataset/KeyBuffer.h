#pragma once

#include "KeyValue.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace host {

// Key values assigned through the fields, by position among the key
// fields. Unless a count is set, the key covers the fields up to the last
// one assigned; fields left out within the count are null.
class KeyBuffer {
public:
    void clear();
    void assign(std::size_t position, KeyValue value);
    void setCount(std::size_t count) { explicitCount_ = count; }
    std::size_t count() const { return explicitCount_.value_or(values_.size()); }
    // The first `count` values, padded with nulls.
    std::vector<KeyValue> values(std::size_t count) const;
    // The same into a vector that keeps its storage: a break's range is
    // applied at every payroll cell.
    void copyTo(std::vector<KeyValue>& key, std::size_t count) const;

private:
    std::vector<KeyValue> values_;
    std::optional<std::size_t> explicitCount_;
};

}  // namespace host
