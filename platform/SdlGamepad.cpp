#include "platform/SdlGamepad.h"

#include <SDL.h>

#include <map>

namespace vrh {

namespace {

static_assert(int(ControllerButton::A) == SDL_CONTROLLER_BUTTON_A);
static_assert(int(ControllerButton::Back) == SDL_CONTROLLER_BUTTON_BACK);
static_assert(int(ControllerButton::Start) == SDL_CONTROLLER_BUTTON_START);
static_assert(int(ControllerButton::LeftShoulder) == SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
static_assert(int(ControllerButton::RightShoulder) == SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
static_assert(int(ControllerButton::DpadUp) == SDL_CONTROLLER_BUTTON_DPAD_UP);
static_assert(int(ControllerButton::DpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(int(ControllerAxis::LeftX) == SDL_CONTROLLER_AXIS_LEFTX);
static_assert(int(ControllerAxis::LeftY) == SDL_CONTROLLER_AXIS_LEFTY);

class SdlGamepad final : public Gamepad {
public:
    SdlGamepad(KeyboardTracker& keyboard, PadBinding binding) : input_(keyboard, std::move(binding)) {
        // The program has no SDL window: without one SDL cannot tell whether
        // the program is in front, and must not take over Ctrl+C.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        // Reference-counted by SDL, with the joystick and event subsystems it
        // brings along; the audio device holds its own reference to audio.
        started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
        if (!started_) return;
        // Controllers already connected announce themselves at the first
        // poll; opening them here as well costs nothing (open() skips one
        // that is already open).
        for (int i = 0; i < SDL_NumJoysticks(); ++i) open(i);
    }

    ~SdlGamepad() override {
        for (auto& [id, controller] : controllers_) {
            input_.removed(id);
            SDL_GameControllerClose(controller);
        }
        controllers_.clear();
        if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    void poll() override {
        if (!started_) return;
        // SDL's event queue is ours alone: the program has no SDL window, and
        // the audio device does not read events. Whatever is not about a
        // controller is dropped so the queue never fills up.
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            switch (e.type) {
            case SDL_CONTROLLERDEVICEADDED:
                open(e.cdevice.which);  // a device index
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                close(e.cdevice.which);  // an instance id
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                if (controllers_.count(e.cbutton.which))
                    input_.button(e.cbutton.which, ControllerButton(e.cbutton.button),
                                  e.cbutton.state == SDL_PRESSED);
                break;
            case SDL_CONTROLLERAXISMOTION:
                if (controllers_.count(e.caxis.which))
                    input_.axis(e.caxis.which, ControllerAxis(e.caxis.axis), e.caxis.value);
                break;
            default: break;
            }
        }
    }

    void setSuspended(bool suspended) override { input_.setSuspended(suspended); }
    int connected() const override { return int(controllers_.size()); }

private:
    void open(int deviceIndex) {
        if (!SDL_IsGameController(deviceIndex)) return;
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
        if (id < 0 || controllers_.count(id)) return;
        SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
        if (!controller) return;
        controllers_[id] = controller;
        // A button already held when the controller arrives counts at once.
        for (int b = 0; b <= int(ControllerButton::DpadRight); ++b)
            input_.button(id, ControllerButton(b),
                          SDL_GameControllerGetButton(controller, SDL_GameControllerButton(b)));
        for (auto axis : {ControllerAxis::LeftX, ControllerAxis::LeftY})
            input_.axis(id, axis, SDL_GameControllerGetAxis(controller, SDL_GameControllerAxis(axis)));
    }

    void close(SDL_JoystickID id) {
        const auto it = controllers_.find(id);
        if (it == controllers_.end()) return;
        input_.removed(id);
        SDL_GameControllerClose(it->second);
        controllers_.erase(it);
    }

    PadInput input_;
    bool started_ = false;
    std::map<SDL_JoystickID, SDL_GameController*> controllers_;
};

}  // namespace

std::unique_ptr<Gamepad> makeGamepad(KeyboardTracker& keyboard, PadBinding binding) {
    return std::make_unique<SdlGamepad>(keyboard, std::move(binding));
}

}  // namespace vrh
