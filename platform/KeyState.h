#pragma once
// Keyboard as the game reads it: the asynchronous key-state query by Windows
// virtual-key code. The answer is non-zero while the key is held, and also
// once for a press that happened since the previous query of that code, so a
// tap between two polls is never lost.
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
class KeyboardTracker : public KeyState {
public:
    static constexpr int kCodes = 256;

    void keyDown(int vk);
    void keyUp(int vk);
    // Press and release before the next query: still reported once.
    void tap(int vk) { keyDown(vk); keyUp(vk); }
    // Everything up, nothing pending (focus left the program).
    void releaseAll();
    bool isDown(int vk) const { return valid(vk) && down_[vk]; }

    int16_t GetAsyncKeyState(int vk) override;

private:
    static bool valid(int vk) { return vk >= 0 && vk < kCodes; }
    std::array<bool, kCodes> down_{};
    std::array<bool, kCodes> pressedSinceQuery_{};
};

// The scripted keyboard of tests is the same tracker driven by hand.
using ScriptedKeys = KeyboardTracker;

}  // namespace vrh
