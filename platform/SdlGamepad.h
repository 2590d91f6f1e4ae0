#pragma once
// Game controllers read through SDL2's game-controller layer, which knows the
// button layout of most controllers. Controllers can be plugged in and out
// while the program runs; with none connected nothing changes.
#include <memory>

#include "platform/Gamepad.h"

namespace vrh {

// One service per program: it reads SDL's event queue (the program has no
// SDL window, and nothing else reads it). `keyboard` must outlive the service. When SDL's game-controller
// support cannot start, the service reads nothing.
std::unique_ptr<Gamepad> makeGamepad(KeyboardTracker& keyboard, PadBinding binding);

}  // namespace vrh
