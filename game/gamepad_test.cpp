// Controllers pressing the pad buttons: PadInput fed by hand, and the SDL service with a virtual controller.
#include <gtest/gtest.h>

#include <SDL.h>

#include "game/GameState.h"
#include "game/PadBinding.h"
#include "platform/Gamepad.h"
#include "audio/AudioDevice.h"
#include "platform/SdlGamepad.h"

using namespace vrh;

namespace {

using B = ControllerButton;
using A = ControllerAxis;

bool down(KeyState& keys, int vk) { return keys.GetAsyncKeyState(vk) & 0x8000; }

bool noneDown(ScriptedKeys& keys) {
    for (int vk = 0; vk < KeyboardTracker::kCodes; ++vk)
        if (keys.isDown(vk)) return false;
    return true;
}

struct PadRig {
    ScriptedKeys keys;
    ButtonMap map;  // Space, M, N, O, P, Q, arrows, Enter, Shift
    PadInput pad{keys, bindingFrom(map)};
};

}  // namespace

// Each controller button presses exactly its pad button's bound code; unused ones press nothing.
TEST(PadMapping, ControllerButtonsPressTheirPadButtonsBoundCodes) {
    // Pad buttons in order A, B, C, X, Y, Z, Up, Down, Left, Right, Start, Select.
    const B from[] = {B::A,      B::B,        B::LeftShoulder, B::X,         B::Y,     B::RightShoulder,
                      B::DpadUp, B::DpadDown, B::DpadLeft,     B::DpadRight, B::Start, B::Back};
    const int codes[] = {32, 77, 78, 79, 80, 81, 38, 40, 37, 39, 13, 16};
    for (int i = 0; i < kPadButtons; ++i) {
        SCOPED_TRACE("pad button " + std::to_string(i));
        PadRig r;
        r.pad.button(0, from[i], true);
        EXPECT_EQ(padButtonOf(from[i]), PadButton(i));
        EXPECT_TRUE(r.pad.held(PadButton(i)));
        for (int vk = 0; vk < KeyboardTracker::kCodes; ++vk)
            EXPECT_EQ(r.keys.isDown(vk), vk == codes[i]) << vk;
        r.pad.button(0, from[i], false);
        EXPECT_FALSE(r.keys.isDown(codes[i]));
        EXPECT_EQ(r.keys.GetAsyncKeyState(codes[i]), 1) << "the press is still reported once";
    }
    for (auto unused : {B::Guide, B::LeftStick, B::RightStick}) {
        PadRig r;
        r.pad.button(0, unused, true);
        EXPECT_FALSE(padButtonOf(unused));
        EXPECT_TRUE(noneDown(r.keys));
    }
}

// A code held by several sources stays down until the last lets go; losing focus frees the keyboard only.
TEST(PadMapping, OneCodeHeldBySeveralSourcesStaysDownUntilTheLastLetsGo) {
    PadRig r;
    r.map.keyB = 32;  // A and B both on Space
    r.pad.button(0, B::A, true), r.pad.button(0, B::B, true);
    r.keys.keyDown(32), r.keys.keyDown(38), r.keys.releaseAll();
    EXPECT_TRUE(r.keys.isDown(32, KeySource::Pad) && !r.keys.isDown(32, KeySource::Keyboard) &&
                !r.keys.isDown(38));
    r.pad.button(0, B::A, false);
    EXPECT_TRUE(r.keys.isDown(32));
    r.pad.button(0, B::B, false);
    EXPECT_FALSE(r.keys.isDown(32));
    KeyReader reader(r.keys);
    r.pad.button(1, B::Start, true);
    EXPECT_EQ(reader.GetAsyncKeyState(13), int16_t(0x8001));
    r.pad.button(2, B::Start, true);
    EXPECT_EQ(reader.GetAsyncKeyState(13), int16_t(0x8000)) << "no second press while already held";
    r.pad.button(1, B::Start, false);
    EXPECT_TRUE(r.keys.isDown(13));
    r.pad.removed(2);
    EXPECT_FALSE(r.keys.isDown(13) || r.pad.held(PadButton::Start)) << "an unplugged controller lets go";
    r.keys.keyDown(38), r.pad.button(0, B::DpadUp, true);
    r.pad.axis(0, A::LeftY, -32768);
    r.keys.keyUp(38), r.pad.button(0, B::DpadUp, false);
    EXPECT_TRUE(r.keys.isDown(38));
    r.pad.axis(0, A::LeftY, 0);
    EXPECT_FALSE(r.keys.isDown(38));
}

// The left stick presses past 40 %, lets go inside 30 %; up is negative; other axes steer nothing.
TEST(PadMapping, LeftStickActsAsTheDpadPastTheDeadZoneWithHysteresis) {
    PadRig r;
    std::string seen;  // per step: '-' the negative direction's code down, '+' the positive's, '0' neither
    auto step = [&](A axis, int value, int negative, int positive) {
        r.pad.axis(0, axis, value);
        seen += "0-+?"[r.keys.isDown(negative) + 2 * r.keys.isDown(positive)];
    };
    for (int v : {PadInput::kStickPress - 1, PadInput::kStickPress + 1, PadInput::kStickRelease + 1,
                  PadInput::kStickRelease - 1, -32768, 32767})
        step(A::LeftX, v, 37, 39);
    for (int v : {-20000, 20000}) step(A::LeftY, v, 38, 40);
    EXPECT_EQ(seen, "0++0-+-+");
    PadRig other;
    for (auto a : {A::RightX, A::RightY, A::LeftTrigger, A::RightTrigger}) other.pad.axis(0, a, 32767);
    EXPECT_TRUE(noneDown(other.keys));
}

// Suspended, unbound (code 0) or gone, the pad holds nothing; resuming presses what is still held.
TEST(PadMapping, SuspendedUnboundAndGoingAwayHoldNothing) {
    ScriptedKeys keys;
    ButtonMap map;
    map.keyA = 0;
    auto pad = std::make_unique<PadInput>(keys, bindingFrom(map));
    pad->button(0, B::X, true);
    pad->setSuspended(true);
    EXPECT_FALSE(keys.isDown(79));
    pad->button(0, B::Y, true);
    EXPECT_EQ(keys.GetAsyncKeyState(80), 0) << "no press reported while suspended";
    pad->button(0, B::Y, false), pad->setSuspended(false);
    EXPECT_TRUE(keys.isDown(79) && !keys.isDown(80));
    pad->button(0, B::A, true);
    EXPECT_TRUE(pad->held(PadButton::A));
    EXPECT_EQ(pad->pressedCode(PadButton::A), 0);
    pad->button(0, B::Start, true);
    EXPECT_TRUE(keys.isDown(13));
    pad.reset();
    EXPECT_TRUE(noneDown(keys));
}

namespace {

// A controller with the standard layout, plugged in through SDL; the service has taken it in.
class VirtualController {
public:
    explicit VirtualController(Gamepad& service) {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        EXPECT_GE(index, 0) << SDL_GetError();
        joystick_ = SDL_JoystickOpen(index);
        id_ = SDL_JoystickGetDeviceInstanceID(index);
        service.poll();
    }
    ~VirtualController() { unplug(); }
    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(joystick_, b, down); }
    void axis(SDL_GameControllerAxis a, int v) { SDL_JoystickSetVirtualAxis(joystick_, a, Sint16(v)); }
    void unplug() {
        if (!joystick_) return;
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
};

}  // namespace

// SDL's buttons and axes reach the mapping; rebinding acts at once, also on release; unplugging lets go.
TEST(SdlPad, ButtonsSticksReboundAndUnplugging) {
    ScriptedKeys keys;
    ButtonMap map;
    const std::unique_ptr<Gamepad> service = makeGamepad(keys, bindingFrom(map));
    if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) GTEST_SKIP() << "no SDL game-controller support here";
    service->poll();
    EXPECT_EQ(service->connected(), 0);
    EXPECT_TRUE(noneDown(keys));
    VirtualController pad(*service);
    map.keyStart = 101;
    pad.button(SDL_CONTROLLER_BUTTON_START, true), pad.button(SDL_CONTROLLER_BUTTON_Y, true);
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -20000), pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 30000);
    service->poll();
    for (int vk : {101, 80, 37, 40}) ASSERT_TRUE(down(keys, vk)) << vk;
    EXPECT_FALSE(down(keys, 13));
    map.keyStart = 13;
    pad.button(SDL_CONTROLLER_BUTTON_START, false), pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    service->poll();
    EXPECT_FALSE(down(keys, 101) || down(keys, 40));
    pad.unplug(), service->poll();
    EXPECT_FALSE(service->connected() || down(keys, 80) || down(keys, 37));
    VirtualController again(*service);
    EXPECT_EQ(service->connected(), 1);
    again.button(SDL_CONTROLLER_BUTTON_B, true);
    service->poll();
    EXPECT_TRUE(down(keys, 77));
}

// The service gives back the controller subsystem but leaves the audio device its SDL.
TEST(SdlPadSubsystems, GamepadLeavesTheAudioDeviceItsSdl) {
    auto device = makeAudioDevice();
    const bool audio = SDL_WasInit(SDL_INIT_AUDIO);
    PadRig r;
    auto service = makeGamepad(r.keys, bindingFrom(r.map));
    EXPECT_TRUE(SDL_WasInit(SDL_INIT_GAMECONTROLLER));
    service->poll(), service.reset();
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_GAMECONTROLLER));
    EXPECT_EQ(bool(SDL_WasInit(SDL_INIT_AUDIO)), audio);
    EXPECT_TRUE(!audio || SDL_WasInit(SDL_INIT_EVENTS)) << "audio still holds the event subsystem";
}
