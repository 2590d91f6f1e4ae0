#include "platform/KeyState.h"

namespace vrh {

void KeyboardTracker::keyDown(int vk, KeySource from) {
    if (!valid(vk)) return;
    if (from == KeySource::Keyboard) keyboardDown_[vk] = true;
    else ++padDown_[vk];
    ++presses_[vk];
}

void KeyboardTracker::keyUp(int vk, KeySource from) {
    if (!valid(vk)) return;
    if (from == KeySource::Keyboard) keyboardDown_[vk] = false;
    else if (padDown_[vk] > 0) --padDown_[vk];
}

void KeyboardTracker::releaseAll() { keyboardDown_.fill(false); }

void KeyboardTracker::keyStillHeld(int vk) {
    if (valid(vk)) keyboardDown_[vk] = true;
}

bool KeyboardTracker::isDown(int vk, KeySource from) const {
    if (!valid(vk)) return false;
    return from == KeySource::Keyboard ? keyboardDown_[vk] : padDown_[vk] > 0;
}

int16_t KeyboardTracker::query(int vk, PressCounts& seen) const {
    if (!valid(vk)) return 0;
    int state = 0;
    if (isDown(vk)) state |= 0x8000;
    if (seen[vk] != presses_[vk]) state |= 0x0001;
    seen[vk] = presses_[vk];
    return static_cast<int16_t>(state);
}

// A new reader has seen every press made before it existed.
KeyReader::KeyReader(KeyboardTracker& keyboard, std::function<bool()> listening)
    : keyboard_(keyboard), listening_(std::move(listening)) {
    forgetPresses();
}

int16_t KeyReader::GetAsyncKeyState(int vk) {
    const int16_t state = keyboard_.query(vk, seen_);
    if (listening_ && !listening_()) return int16_t(state & 0x8000);
    return state;
}

void KeyReader::forgetPresses() {
    for (int vk = 0; vk < KeyboardTracker::kCodes; ++vk) keyboard_.query(vk, seen_);
}

}  // namespace vrh
