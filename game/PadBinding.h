#pragma once
// The pad buttons as the player has bound them in Button Configuration: each
// button presses the key stored for it.
#include "platform/Gamepad.h"

namespace vrh {

struct ButtonMap;

// Reads `keys` at every call, so a rebinding takes effect at once; `keys`
// must outlive the binding.
PadBinding bindingFrom(const ButtonMap& keys);

}  // namespace vrh
