#include "KeyEditor.h"

namespace host {

std::size_t KeyEditor::slot(KeyState state)
{
    switch (state) {
    case KeyState::RangeStart:
        return 1;
    case KeyState::RangeEnd:
        return 2;
    case KeyState::Browse:
    case KeyState::Key:
        break;
    }
    return 0;
}

void KeyEditor::begin(KeyState state)
{
    state_ = state;
    buffer(state).clear();
}

void KeyEditor::clearAll()
{
    state_ = KeyState::Browse;
    for (KeyBuffer& keyBuffer : buffers_) {
        keyBuffer.clear();
    }
}

}  // namespace host
