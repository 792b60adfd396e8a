#pragma once

#include "KeyBuffer.h"

#include <array>

namespace host {

enum class KeyState { Browse, Key, RangeStart, RangeEnd };

// The dataset's key-editing state and its three key buffers: the search
// key and the two ends of a range. Buffers outlive the editing state, so
// a key can be set once and used again.
class KeyEditor {
public:
    // Enters a state and empties its buffer.
    void begin(KeyState state);
    void finish() { state_ = KeyState::Browse; }
    bool editing() const { return state_ != KeyState::Browse; }

    // The buffer that field assignments and the key field count address;
    // the search key while browsing.
    KeyBuffer& current() { return buffer(state_); }
    const KeyBuffer& current() const { return buffers_[slot(state_)]; }
    KeyBuffer& buffer(KeyState state) { return buffers_[slot(state)]; }
    void clearAll();

private:
    static std::size_t slot(KeyState state);

    KeyState state_ = KeyState::Browse;
    std::array<KeyBuffer, 3> buffers_;
};

}  // namespace host
