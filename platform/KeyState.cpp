#include "platform/KeyState.h"

namespace vrh {

void KeyboardTracker::keyDown(int vk) {
    if (!valid(vk)) return;
    down_[vk] = true;
    ++presses_[vk];
}

void KeyboardTracker::keyUp(int vk) {
    if (valid(vk)) down_[vk] = false;
}

void KeyboardTracker::releaseAll() { down_.fill(false); }

int16_t KeyboardTracker::query(int vk, PressCounts& seen) const {
    if (!valid(vk)) return 0;
    int state = 0;
    if (down_[vk]) state |= 0x8000;
    if (seen[vk] != presses_[vk]) state |= 0x0001;
    seen[vk] = presses_[vk];
    return static_cast<int16_t>(state);
}

// A new reader has seen every press made before it existed.
KeyReader::KeyReader(KeyboardTracker& keyboard) : keyboard_(keyboard) {
    for (int vk = 0; vk < KeyboardTracker::kCodes; ++vk) keyboard_.query(vk, seen_);
}

}  // namespace vrh
