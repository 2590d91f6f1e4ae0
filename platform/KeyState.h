#pragma once
// Keyboard as the game reads it: the asynchronous key-state query by Windows
// virtual-key code. The answer is non-zero while the key is held, and also
// once for a press that happened since the previous query of that code, so a
// tap between two polls is never lost.
//
// Several windows may poll at the same time (the title menu and the name
// prompt both read Start). Each of them reads through a KeyReader of its own,
// so one window's query never uses up a tap that another has not seen yet.
#include <array>
#include <cstdint>

namespace vrh {

class KeyState {
public:
    virtual ~KeyState() = default;
    // Bit 15 set while the key is down; bit 0 set when it was pressed since
    // the previous query of this code. 0 when neither.
    virtual int16_t GetAsyncKeyState(int vk) = 0;
};

// Key state fed by key events (from the window system or from a script).
// Queried directly, it is one shared reader.
class KeyboardTracker : public KeyState {
public:
    static constexpr int kCodes = 256;
    using PressCounts = std::array<uint32_t, kCodes>;

    void keyDown(int vk);
    void keyUp(int vk);
    // Press and release before the next query: still reported once.
    void tap(int vk) { keyDown(vk); keyUp(vk); }
    // Everything up, nothing pending (focus left the program).
    void releaseAll();
    bool isDown(int vk) const { return valid(vk) && down_[vk]; }

    int16_t GetAsyncKeyState(int vk) override { return query(vk, seen_); }
    // The state of `vk` for a reader that has seen `seen[vk]` presses so far.
    int16_t query(int vk, PressCounts& seen) const;

private:
    static bool valid(int vk) { return vk >= 0 && vk < kCodes; }
    std::array<bool, kCodes> down_{};
    PressCounts presses_{};
    PressCounts seen_{};
};

// A window's own view of the keyboard: presses since ITS previous query.
class KeyReader : public KeyState {
public:
    explicit KeyReader(KeyboardTracker& keyboard);
    int16_t GetAsyncKeyState(int vk) override { return keyboard_.query(vk, seen_); }

private:
    KeyboardTracker& keyboard_;
    KeyboardTracker::PressCounts seen_{};
};

// The scripted keyboard of tests is the same tracker driven by hand.
using ScriptedKeys = KeyboardTracker;

}  // namespace vrh
