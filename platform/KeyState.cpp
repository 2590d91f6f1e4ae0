#include "platform/KeyState.h"

namespace vrh {

void KeyboardTracker::keyDown(int vk) {
    if (!valid(vk)) return;
    down_[vk] = true;
    pressedSinceQuery_[vk] = true;
}

void KeyboardTracker::keyUp(int vk) {
    if (valid(vk)) down_[vk] = false;
}

void KeyboardTracker::releaseAll() {
    down_.fill(false);
    pressedSinceQuery_.fill(false);
}

int16_t KeyboardTracker::GetAsyncKeyState(int vk) {
    if (!valid(vk)) return 0;
    int state = 0;
    if (down_[vk]) state |= 0x8000;
    if (pressedSinceQuery_[vk]) state |= 0x0001;
    pressedSinceQuery_[vk] = false;
    return static_cast<int16_t>(state);
}

}  // namespace vrh
