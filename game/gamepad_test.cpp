// Game controllers pressing the twelve pad buttons: the mapping onto the bound
// key codes (PadInput, fed by hand) and the SDL service, driven by SDL's
// virtual controller so no device is needed.
#include <gtest/gtest.h>

#include <SDL.h>

#include "game/GameState.h"
#include "game/PadBinding.h"
#include "platform/Gamepad.h"
#include "audio/AudioDevice.h"
#include "platform/SdlGamepad.h"

using namespace vrh;

namespace {

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
    struct Case {
        ControllerButton from;
        PadButton to;
        int code;
    };
    const Case cases[] = {
        {ControllerButton::A, PadButton::A, 32},
        {ControllerButton::B, PadButton::B, 77},
        {ControllerButton::LeftShoulder, PadButton::C, 78},
        {ControllerButton::X, PadButton::X, 79},
        {ControllerButton::Y, PadButton::Y, 80},
        {ControllerButton::RightShoulder, PadButton::Z, 81},
        {ControllerButton::DpadUp, PadButton::Up, 38},
        {ControllerButton::DpadDown, PadButton::Down, 40},
        {ControllerButton::DpadLeft, PadButton::Left, 37},
        {ControllerButton::DpadRight, PadButton::Right, 39},
        {ControllerButton::Start, PadButton::Start, 13},
        {ControllerButton::Back, PadButton::Select, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("controller button " + std::to_string(int(c.from)));
        PadRig r;
        r.pad.button(0, c.from, true);
        EXPECT_EQ(padButtonOf(c.from), c.to);
        EXPECT_TRUE(r.pad.held(c.to));
        for (int vk = 0; vk < KeyboardTracker::kCodes; ++vk) EXPECT_EQ(r.keys.isDown(vk), vk == c.code) << vk;
        r.pad.button(0, c.from, false);
        EXPECT_FALSE(r.keys.isDown(c.code));
        EXPECT_EQ(r.keys.GetAsyncKeyState(c.code), 1) << "the press is still reported once";
    }
    for (auto unused : {ControllerButton::Guide, ControllerButton::LeftStick, ControllerButton::RightStick}) {
        PadRig r;
        r.pad.button(0, unused, true);
        EXPECT_FALSE(padButtonOf(unused));
        EXPECT_TRUE(noneDown(r.keys));
    }
}

// A code held by several sources (keyboard and pad, two buttons, two controllers, stick and D-pad) is
// pressed once and let go only when the last one goes up or is unplugged; losing focus lets go of the
// keyboard only.
TEST(PadMapping, OneCodeHeldBySeveralSourcesStaysDownUntilTheLastLetsGo) {
    PadRig r;
    r.map.keyB = 32;  // A and B both on Space
    r.pad.button(0, ControllerButton::A, true);
    r.pad.button(0, ControllerButton::B, true);
    r.keys.keyDown(32);
    r.keys.keyDown(38);
    r.keys.releaseAll();
    EXPECT_TRUE(r.keys.isDown(32, KeySource::Pad) && !r.keys.isDown(32, KeySource::Keyboard) &&
                !r.keys.isDown(38));
    r.pad.button(0, ControllerButton::A, false);
    EXPECT_TRUE(r.keys.isDown(32));
    r.pad.button(0, ControllerButton::B, false);
    EXPECT_FALSE(r.keys.isDown(32));

    KeyReader reader(r.keys);
    r.pad.button(1, ControllerButton::Start, true);
    EXPECT_EQ(reader.GetAsyncKeyState(13), int16_t(0x8001));
    r.pad.button(2, ControllerButton::Start, true);
    EXPECT_EQ(reader.GetAsyncKeyState(13), int16_t(0x8000)) << "no second press while already held";
    r.pad.button(1, ControllerButton::Start, false);
    EXPECT_TRUE(r.keys.isDown(13));
    r.pad.removed(2);
    EXPECT_FALSE(r.keys.isDown(13) || r.pad.held(PadButton::Start)) << "an unplugged controller lets go";

    r.keys.keyDown(38);
    r.pad.button(0, ControllerButton::DpadUp, true);
    r.pad.axis(0, ControllerAxis::LeftY, -32768);
    r.keys.keyUp(38);
    r.pad.button(0, ControllerButton::DpadUp, false);
    EXPECT_TRUE(r.keys.isDown(38));
    r.pad.axis(0, ControllerAxis::LeftY, 0);
    EXPECT_FALSE(r.keys.isDown(38));
}

// The left stick presses past 40 %, lets go inside 30 %; up is negative; other axes steer nothing.
TEST(PadMapping, LeftStickActsAsTheDpadPastTheDeadZoneWithHysteresis) {
    PadRig r;
    // Axis, value, then whether the negative and the positive direction's code is down.
    const std::tuple<ControllerAxis, int, bool, bool> steps[] = {
        {ControllerAxis::LeftX, PadInput::kStickPress - 1, false, false},
        {ControllerAxis::LeftX, PadInput::kStickPress + 1, false, true},
        {ControllerAxis::LeftX, PadInput::kStickRelease + 1, false, true},
        {ControllerAxis::LeftX, PadInput::kStickRelease - 1, false, false},
        {ControllerAxis::LeftX, -32768, true, false},
        {ControllerAxis::LeftX, 32767, false, true},
        {ControllerAxis::LeftY, -20000, true, false},
        {ControllerAxis::LeftY, 20000, false, true}};
    for (auto [axis, value, negative, positive] : steps) {
        r.pad.axis(0, axis, value);
        const bool x = axis == ControllerAxis::LeftX;
        EXPECT_EQ(r.keys.isDown(x ? 37 : 38), negative) << value;
        EXPECT_EQ(r.keys.isDown(x ? 39 : 40), positive) << value;
    }

    PadRig other;
    for (auto a : {ControllerAxis::RightX, ControllerAxis::RightY, ControllerAxis::LeftTrigger,
                   ControllerAxis::RightTrigger})
        other.pad.axis(0, a, 32767);
    EXPECT_TRUE(noneDown(other.keys));
}

// Suspended (in the background) holds and reports nothing; resuming presses what is still held. A button
// bound to code 0 presses nothing; the mapping going away releases everything.
TEST(PadMapping, SuspendedUnboundAndGoingAwayHoldNothing) {
    ScriptedKeys keys;
    ButtonMap map;
    map.keyA = 0;
    auto pad = std::make_unique<PadInput>(keys, bindingFrom(map));
    pad->button(0, ControllerButton::X, true);
    pad->setSuspended(true);
    EXPECT_FALSE(keys.isDown(79));
    pad->button(0, ControllerButton::Y, true);
    EXPECT_EQ(keys.GetAsyncKeyState(80), 0) << "no press reported while suspended";
    pad->button(0, ControllerButton::Y, false);
    pad->setSuspended(false);
    EXPECT_TRUE(keys.isDown(79) && !keys.isDown(80));
    pad->button(0, ControllerButton::A, true);
    EXPECT_TRUE(pad->held(PadButton::A));
    EXPECT_EQ(pad->pressedCode(PadButton::A), 0);
    pad->button(0, ControllerButton::Start, true);
    EXPECT_TRUE(keys.isDown(13));
    pad.reset();
    EXPECT_TRUE(noneDown(keys));
}

// ---- The SDL service with SDL's virtual controller ------------------------

namespace {

// A controller with the standard layout, plugged in through SDL.
class VirtualController {
public:
    VirtualController() {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        if (index < 0) return;
        joystick_ = SDL_JoystickOpen(index);
        id_ = SDL_JoystickGetDeviceInstanceID(index);
    }
    ~VirtualController() { unplug(); }
    bool ok() const { return joystick_ != nullptr; }
    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(joystick_, b, down); }
    void axis(SDL_GameControllerAxis a, int value) {
        SDL_JoystickSetVirtualAxis(joystick_, a, Sint16(value));
    }
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

class SdlPad : public ::testing::Test {
protected:
    void SetUp() override {
        service = makeGamepad(keys, bindingFrom(map));
        if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) GTEST_SKIP() << "no SDL game-controller support here";
    }
    std::unique_ptr<VirtualController> plug() {
        auto c = std::make_unique<VirtualController>();
        EXPECT_TRUE(c->ok()) << SDL_GetError();
        service->poll();
        return c;
    }

    ScriptedKeys keys;
    ButtonMap map;
    std::unique_ptr<Gamepad> service;
};

}  // namespace

// No controller presses nothing; SDL's buttons and stick axes reach the mapping; a rebound button follows
// the new code at once, also for its release; unplugging lets go; plugging in again works.
TEST_F(SdlPad, ButtonsSticksReboundAndUnplugging) {
    service->poll();
    EXPECT_EQ(service->connected(), 0);
    EXPECT_TRUE(noneDown(keys));
    auto pad = plug();
    map.keyStart = 101;
    pad->button(SDL_CONTROLLER_BUTTON_START, true);
    pad->button(SDL_CONTROLLER_BUTTON_Y, true);
    pad->axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
    pad->axis(SDL_CONTROLLER_AXIS_LEFTY, 30000);
    service->poll();
    for (int vk : {101, 80, 37, 40}) ASSERT_TRUE(down(keys, vk)) << vk;
    EXPECT_FALSE(down(keys, 13));
    map.keyStart = 13;
    pad->button(SDL_CONTROLLER_BUTTON_START, false);
    pad->axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    service->poll();
    EXPECT_FALSE(down(keys, 101) || down(keys, 40));
    pad->unplug();
    service->poll();
    EXPECT_EQ(service->connected(), 0);
    EXPECT_FALSE(down(keys, 80) || down(keys, 37));
    auto again = plug();
    EXPECT_EQ(service->connected(), 1);
    again->button(SDL_CONTROLLER_BUTTON_B, true);
    service->poll();
    EXPECT_TRUE(down(keys, 77));
}

// The service gives back the controller subsystem but leaves the audio device its SDL.
TEST(SdlPadSubsystems, GamepadLeavesTheAudioDeviceItsSdl) {
    auto device = makeAudioDevice();
    const bool audio = SDL_WasInit(SDL_INIT_AUDIO);
    PadRig r;
    {
        auto service = makeGamepad(r.keys, bindingFrom(r.map));
        EXPECT_TRUE(SDL_WasInit(SDL_INIT_GAMECONTROLLER));
        service->poll();
    }
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_GAMECONTROLLER));
    EXPECT_EQ(bool(SDL_WasInit(SDL_INIT_AUDIO)), audio);
    if (audio) {
        EXPECT_TRUE(SDL_WasInit(SDL_INIT_EVENTS)) << "audio still holds the event subsystem";
    }
}
