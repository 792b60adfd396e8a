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
    if (position >= values_.size()) {
        values_.resize(position + 1);
    }
    values_[position] = std::move(value);
}

std::vector<KeyValue> KeyBuffer::values(std::size_t count) const
{
    std::vector<KeyValue> key(count);
    std::copy_n(values_.begin(), std::min(count, values_.size()), key.begin());
    return key;
}

}  // namespace host
