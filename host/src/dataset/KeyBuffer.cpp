#include "KeyBuffer.h"

#include <algorithm>

namespace host {

void KeyBuffer::clear()
{
    values_.clear();
    explicitCount_.reset();
}

void KeyBuffer::assign(std::size_t position, KeyValue value)
{
    // Keys are mostly filled in order, field after field.
    if (position == values_.size()) {
        values_.push_back(std::move(value));
        return;
    }
    if (position > values_.size()) {
        values_.resize(position + 1);
    }
    values_[position] = std::move(value);
}

std::vector<KeyValue> KeyBuffer::values(std::size_t count) const
{
    std::vector<KeyValue> key;
    copyTo(key, count);
    return key;
}

void KeyBuffer::copyTo(std::vector<KeyValue>& key, std::size_t count) const
{
    key.resize(count);
    const std::size_t given = std::min(count, values_.size());
    std::copy_n(values_.begin(), given, key.begin());
    std::fill(key.begin() + static_cast<std::ptrdiff_t>(given), key.end(), KeyValue());
}

}  // namespace host
