#pragma once
// Keyboard as the game reads it: the asynchronous key-state query by Windows
// virtual-key code. The answer is non-zero while the key is held, and also
// once for a press that happened since the previous query of that code, so a
// tap between two polls is never lost.
//
// Several windows may poll at the same time (the title menu and the name
// prompt both read Start). Each of them reads through a KeyReader of its own,
// so one window's query never uses up a tap that another has not seen yet.
//
// A code can be held by two sources: the keyboard and the game controller,
// which presses the code bound to each of its buttons. The code is down while
// either holds it, so letting go of one does not release the other.
#include <array>
#include <cstdint>
#include <functional>

namespace vrh {

class KeyState {
public:
    virtual ~KeyState() = default;
    // Bit 15 set while the key is down; bit 0 set when it was pressed since
    // the previous query of this code. 0 when neither.
    virtual int16_t GetAsyncKeyState(int vk) = 0;
};

enum class KeySource : uint8_t { Keyboard, Pad };

// Key state fed by key events (from the window system, the game controller or
// a script). Queried directly, it is one shared reader.
class KeyboardTracker : public KeyState {
public:
    static constexpr int kCodes = 256;
    using PressCounts = std::array<uint32_t, kCodes>;

    // Every keyDown counts as a press. The keyboard holds a code or not; the
    // pad holds it once per pad button down on it (two pad buttons may share
    // a code), and each keyUp from the pad gives back one of those.
    void keyDown(int vk, KeySource from = KeySource::Keyboard);
    void keyUp(int vk, KeySource from = KeySource::Keyboard);
    // Press and release before the next query: still reported once.
    void tap(int vk) { keyDown(vk); keyUp(vk); }
    // Every key held on the keyboard goes up (focus left the program, so their
    // key-ups will not arrive). Codes held by the pad stay down: the pad
    // reports its own releases. Presses not yet queried are still reported.
    void releaseAll();
    // A key found held although its press was never seen (its release was
    // lost, then its auto-repeat came): down again, but not a new press.
    void keyStillHeld(int vk);
    bool isDown(int vk) const { return valid(vk) && (keyboardDown_[vk] || padDown_[vk] > 0); }
    bool isDown(int vk, KeySource from) const;

    int16_t GetAsyncKeyState(int vk) override { return query(vk, seen_); }
    // The state of `vk` for a reader that has seen `seen[vk]` presses so far.
    int16_t query(int vk, PressCounts& seen) const;

private:
    static bool valid(int vk) { return vk >= 0 && vk < kCodes; }
    std::array<bool, kCodes> keyboardDown_{};
    std::array<uint16_t, kCodes> padDown_{};
    PressCounts presses_{};
    PressCounts seen_{};
};

// A window's own view of the keyboard: presses since ITS previous query.
class KeyReader : public KeyState {
public:
    // `listening`, when given, tells whether the window is in front: presses
    // made while it is not are another window's and are passed over (keys
    // held down still read as down).
    explicit KeyReader(KeyboardTracker& keyboard, std::function<bool()> listening = {});
    int16_t GetAsyncKeyState(int vk) override;
    // Counts every press so far as seen: a window coming to the front does
    // not act on keys that were pressed for another window (the Enter that
    // closed a dialog). Keys still held keep reading as down.
    void forgetPresses();

private:
    KeyboardTracker& keyboard_;
    std::function<bool()> listening_;
    KeyboardTracker::PressCounts seen_{};
};

// The scripted keyboard of tests is the same tracker driven by hand.
using ScriptedKeys = KeyboardTracker;

}  // namespace vrh
