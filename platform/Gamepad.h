#pragma once
// Game controllers press the game's twelve pad buttons. Each pad button acts
// as the key currently bound to it in the key configuration: while the
// controller holds the button, the key-state query of that code reports it
// down, and a press since the previous query is reported to every reader, as
// for a key on the keyboard.
//
// Controller buttons by their standard layout (the Xbox names):
//   A, B, X, Y            -> A, B, X, Y
//   left / right shoulder -> C / Z
//   D-pad                 -> Up, Down, Left, Right
//   Start / Back          -> Start / Select
// The left stick acts as the D-pad once pushed past 40 % of its travel, and
// lets go when it comes back inside 30 %.
//
// This header is the controller-neutral part: PadInput turns controller
// button and stick changes into key presses and releases. The controller
// service that reads real devices (platform/SdlGamepad.h) feeds it.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "platform/KeyState.h"

namespace vrh {

enum class PadButton : uint8_t { A, B, C, X, Y, Z, Up, Down, Left, Right, Start, Select };
inline constexpr int kPadButtons = 12;

// Controller buttons and axes, numbered as the standard controller layout
// numbers them.
enum class ControllerButton : uint8_t {
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
};
enum class ControllerAxis : uint8_t { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };

// The pad button a controller button presses; none for the buttons the game
// does not use (guide, stick clicks, paddles).
std::optional<PadButton> padButtonOf(ControllerButton button);

// The key code bound to a pad button right now; codes outside 1..255 press
// nothing.
using PadBinding = std::function<int(PadButton)>;

class PadInput {
public:
    // Stick travel runs -32768..32767; up is negative.
    static constexpr int kStickPress = 13107;   // 40 % of full scale
    static constexpr int kStickRelease = 9830;  // 30 %

    // `keyboard` must outlive this object.
    PadInput(KeyboardTracker& keyboard, PadBinding binding);
    ~PadInput();
    PadInput(const PadInput&) = delete;
    PadInput& operator=(const PadInput&) = delete;

    // Changes on controller `controller` (any id, one per connected device).
    void button(int controller, ControllerButton button, bool down);
    void axis(int controller, ControllerAxis axis, int value);
    // The controller is gone: whatever it held goes up.
    void removed(int controller);
    // While suspended the controllers hold nothing (the program is in the
    // background); on resuming, the buttons still held press again.
    void setSuspended(bool suspended);
    bool suspended() const { return suspended_; }

    // The pad button is held by some controller (and not suspended).
    bool held(PadButton b) const { return held_[index(b)]; }
    // The code a held pad button pressed; 0 when up or bound to nothing.
    int pressedCode(PadButton b) const { return pressedCode_[index(b)]; }

private:
    struct Controller {
        std::array<bool, kPadButtons> buttons{};
        std::array<bool, kPadButtons> stick{};
    };
    static int index(PadButton b) { return static_cast<int>(b); }
    void stickDirection(Controller& c, PadButton negative, PadButton positive, int value);
    void update();

    KeyboardTracker& keyboard_;
    PadBinding binding_;
    std::map<int, Controller> controllers_;
    std::array<bool, kPadButtons> held_{};
    std::array<int, kPadButtons> pressedCode_{};
    bool suspended_ = false;
};

// A controller service: reads the connected controllers and feeds a PadInput.
class Gamepad {
public:
    virtual ~Gamepad() = default;
    // Takes in every controller change since the previous poll (plugging in,
    // unplugging, buttons, sticks). Call it every few milliseconds.
    virtual void poll() = 0;
    virtual void setSuspended(bool suspended) = 0;
    // Controllers currently open.
    virtual int connected() const = 0;
};

}  // namespace vrh
