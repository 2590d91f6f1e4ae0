#pragma once
// Keyboard as the game reads it: the asynchronous key-state query by Windows
// virtual-key code. The answer is non-zero while the key is held, and also
// once for a press that happened since the previous query of that code, so a
// tap between two polls is never lost.
//
// A press belongs to the window where it began. Each window that polls reads
// through a KeyReader of its own: one window's query never uses up a tap that
// another has not seen yet, and a key already down when a window opens,
// comes to the front or gets its keys back from a message box reads as up
// there until it has been released and pressed again (the Enter that chose
// "New Game" does not also confirm the name prompt).
//
// A code can be held by two sources: the keyboard and the game controller,
// which presses the code bound to each of its buttons. The code is down while
// either holds it, so letting go of one does not release the other.
#include <array>
#include <cstdint>
#include <functional>

namespace vrh {

// Bits of a key-state answer.
inline constexpr int16_t kKeyHeldBit = int16_t(0x8000);
inline constexpr int16_t kKeyPressedBit = 0x0001;

class KeyState {
public:
    virtual ~KeyState() = default;
    // Bit 15 set while the key is down; bit 0 set when it was pressed since
    // the previous query of this code. 0 when neither.
    virtual int16_t GetAsyncKeyState(int vk) = 0;
    // From now on only presses that begin after this call count: presses so
    // far are taken as seen, and keys held now read as up until pressed
    // again. Windows call it when they open, come to the front, or a message
    // box they opened has closed.
    virtual void takeOver() = 0;
};

enum class KeySource : uint8_t { Keyboard, Pad };

class KeyReader;

// Key state fed by key events (from the window system, the game controller or
// a script). Queried directly, it is one shared reader.
class KeyboardTracker : public KeyState {
public:
    static constexpr int kCodes = 256;
    using PressCounts = std::array<uint32_t, kCodes>;

    KeyboardTracker();
    ~KeyboardTracker() override;

    // Every keyDown counts as a press. The keyboard holds a code or not; the
    // pad holds it once per pad button down on it (two pad buttons may share
    // a code), and each keyUp from the pad gives back one of those.
    void keyDown(int vk, KeySource from = KeySource::Keyboard);
    void keyUp(int vk, KeySource from = KeySource::Keyboard);
    // Press and release before the next query: still reported once.
    void tap(int vk) {
        keyDown(vk);
        keyUp(vk);
    }
    // Every key held on the keyboard goes up (focus left the program, so their
    // key-ups will not arrive). Codes held by the pad stay down: the pad
    // reports its own releases. Presses not yet queried are still reported.
    void releaseAll();
    // A key found held although its press was never seen (its release was
    // lost, then its auto-repeat came): down again, but not a new press.
    void keyStillHeld(int vk);
    bool isDown(int vk) const { return valid(vk) && (keyboardDown_[vk] || padDown_[vk] > 0); }
    bool isDown(int vk, KeySource from) const;

    int16_t GetAsyncKeyState(int vk) override;
    void takeOver() override;

    // The state of `vk` for a reader that has seen `seen[vk]` presses so far
    // and owns only the presses after `ownedFrom[vk]`.
    int16_t query(int vk, PressCounts& seen, const PressCounts& ownedFrom) const;
    // Presses of `vk` so far.
    uint32_t presses(int vk) const { return valid(vk) ? presses_[size_t(vk)] : 0; }

private:
    static bool valid(int vk) { return vk >= 0 && vk < kCodes; }
    std::array<bool, kCodes> keyboardDown_{};
    std::array<uint16_t, kCodes> padDown_{};
    PressCounts presses_{};
    KeyReader* shared_;  // the tracker's own answers, as one more reader
};

// A window's own view of the keyboard: presses since ITS previous query, and
// only presses that began after it last took over.
class KeyReader : public KeyState {
public:
    // `listening`, when given, tells whether the window is in front: presses
    // made while it is not are another window's and are passed over.
    // A new reader takes over at once.
    explicit KeyReader(KeyboardTracker& keyboard, std::function<bool()> listening = {});
    int16_t GetAsyncKeyState(int vk) override;
    void takeOver() override;
    // True when the latest press of `vk` began after this reader took over:
    // the repeats and the release of that press belong to its window.
    bool ownsLatestPress(int vk) const;

private:
    KeyboardTracker& keyboard_;
    std::function<bool()> listening_;
    KeyboardTracker::PressCounts seen_{};
    KeyboardTracker::PressCounts ownedFrom_{};
};

// The scripted keyboard of tests is the same tracker driven by hand.
using ScriptedKeys = KeyboardTracker;

// Menu highlights move once per press: the poll that first sees a press moves
// one entry; a key still held after the repeat delay moves once more on every
// poll. Polled every 100 ms, the third poll after the press comes at least
// 300 ms after it, so a press shorter than 300 ms moves exactly once and a
// longer one repeats ten times a second.
class PressRepeat {
public:
    static constexpr int kDelayPolls = 3;
    // Feed one poll's answer for the key; true when the highlight moves.
    bool step(int16_t state);

private:
    int heldPolls_ = 0;
};

}  // namespace vrh
