#include "platform/Gamepad.h"

namespace vrh {

std::optional<PadButton> padButtonOf(ControllerButton button) {
    switch (button) {
    case ControllerButton::A: return PadButton::A;
    case ControllerButton::B: return PadButton::B;
    case ControllerButton::X: return PadButton::X;
    case ControllerButton::Y: return PadButton::Y;
    case ControllerButton::LeftShoulder: return PadButton::C;
    case ControllerButton::RightShoulder: return PadButton::Z;
    case ControllerButton::DpadUp: return PadButton::Up;
    case ControllerButton::DpadDown: return PadButton::Down;
    case ControllerButton::DpadLeft: return PadButton::Left;
    case ControllerButton::DpadRight: return PadButton::Right;
    case ControllerButton::Start: return PadButton::Start;
    case ControllerButton::Back: return PadButton::Select;
    default: return std::nullopt;
    }
}

PadInput::PadInput(KeyboardTracker& keyboard, PadBinding binding)
    : keyboard_(keyboard), binding_(std::move(binding)) {}

PadInput::~PadInput() {
    controllers_.clear();
    update();
}

void PadInput::button(int controller, ControllerButton button, bool down) {
    const auto pad = padButtonOf(button);
    if (!pad) return;
    controllers_[controller].buttons[index(*pad)] = down;
    update();
}

// One stick axis drives two opposite directions. A direction comes on past
// kStickPress and stays on until the stick is back inside kStickRelease, so a
// stick resting near the threshold does not chatter.
void PadInput::stickDirection(Controller& c, PadButton negative, PadButton positive, int value) {
    bool& neg = c.stick[index(negative)];
    bool& pos = c.stick[index(positive)];
    neg = neg ? value < -kStickRelease : value < -kStickPress;
    pos = pos ? value > kStickRelease : value > kStickPress;
}

void PadInput::axis(int controller, ControllerAxis axis, int value) {
    if (axis == ControllerAxis::LeftX)
        stickDirection(controllers_[controller], PadButton::Left, PadButton::Right, value);
    else if (axis == ControllerAxis::LeftY)
        stickDirection(controllers_[controller], PadButton::Up, PadButton::Down, value);
    else
        return;
    update();
}

void PadInput::removed(int controller) {
    controllers_.erase(controller);
    update();
}

void PadInput::setSuspended(bool suspended) {
    suspended_ = suspended;
    update();
}

// Turns the change of each pad button, held by any controller by button or
// stick, into a press or release of its code. A release goes to the code the
// press went to, even if the button has been rebound meanwhile.
void PadInput::update() {
    for (int i = 0; i < kPadButtons; ++i) {
        bool now = false;
        if (!suspended_)
            for (const auto& [id, c] : controllers_) now = now || c.buttons[i] || c.stick[i];
        if (now == held_[i]) continue;
        held_[i] = now;
        if (now) {
            const int code = binding_ ? binding_(PadButton(i)) : 0;
            if (code > 0 && code < KeyboardTracker::kCodes) {
                pressedCode_[i] = code;
                keyboard_.keyDown(code, KeySource::Pad);
            }
        } else if (pressedCode_[i]) {
            keyboard_.keyUp(pressedCode_[i], KeySource::Pad);
            pressedCode_[i] = 0;
        }
    }
}

}  // namespace vrh
