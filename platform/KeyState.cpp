#include "platform/KeyState.h"

namespace vrh {

KeyboardTracker::KeyboardTracker() : shared_(new KeyReader(*this)) {}

KeyboardTracker::~KeyboardTracker() { delete shared_; }

void KeyboardTracker::keyDown(int vk, KeySource from) {
    if (!valid(vk)) return;
    if (from == KeySource::Keyboard)
        keyboardDown_[vk] = true;
    else
        ++padDown_[vk];
    ++presses_[vk];
}

void KeyboardTracker::keyUp(int vk, KeySource from) {
    if (!valid(vk)) return;
    if (from == KeySource::Keyboard)
        keyboardDown_[vk] = false;
    else if (padDown_[vk] > 0)
        --padDown_[vk];
}

void KeyboardTracker::releaseAll() { keyboardDown_.fill(false); }

void KeyboardTracker::keyStillHeld(int vk) {
    if (valid(vk)) keyboardDown_[vk] = true;
}

bool KeyboardTracker::isDown(int vk, KeySource from) const {
    if (!valid(vk)) return false;
    return from == KeySource::Keyboard ? keyboardDown_[vk] : padDown_[vk] > 0;
}

int16_t KeyboardTracker::GetAsyncKeyState(int vk) { return shared_->GetAsyncKeyState(vk); }

void KeyboardTracker::takeOver() { shared_->takeOver(); }

int16_t KeyboardTracker::query(int vk, PressCounts& seen, const PressCounts& ownedFrom) const {
    if (!valid(vk)) return 0;
    int state = 0;
    // Down by a press made before the reader took over: another window's.
    if (isDown(vk) && presses_[vk] != ownedFrom[vk]) state |= 0x8000;
    if (seen[vk] != presses_[vk]) state |= 0x0001;
    seen[vk] = presses_[vk];
    return static_cast<int16_t>(state);
}

KeyReader::KeyReader(KeyboardTracker& keyboard, std::function<bool()> listening)
    : keyboard_(keyboard), listening_(std::move(listening)) {
    takeOver();
}

int16_t KeyReader::GetAsyncKeyState(int vk) {
    const int16_t state = keyboard_.query(vk, seen_, ownedFrom_);
    if (listening_ && !listening_()) return 0;
    return state;
}

void KeyReader::takeOver() {
    for (int vk = 0; vk < KeyboardTracker::kCodes; ++vk) {
        ownedFrom_[size_t(vk)] = keyboard_.presses(vk);
        seen_[size_t(vk)] = keyboard_.presses(vk);
    }
}

bool KeyReader::ownsLatestPress(int vk) const {
    return vk >= 0 && vk < KeyboardTracker::kCodes && keyboard_.presses(vk) != ownedFrom_[size_t(vk)];
}

bool PressRepeat::step(int16_t state) {
    if (state & kKeyPressedBit) {
        heldPolls_ = 0;
        return true;
    }
    if (!(state & kKeyHeldBit)) {
        heldPolls_ = 0;
        return false;
    }
    return ++heldPolls_ >= kDelayPolls;
}

}  // namespace vrh
