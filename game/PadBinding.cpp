#include "game/PadBinding.h"

#include "game/GameState.h"

namespace vrh {

PadBinding bindingFrom(const ButtonMap& keys) {
    return [&keys](PadButton b) -> int {
        switch (b) {
        case PadButton::A: return keys.keyA;
        case PadButton::B: return keys.keyB;
        case PadButton::C: return keys.keyC;
        case PadButton::X: return keys.keyX;
        case PadButton::Y: return keys.keyY;
        case PadButton::Z: return keys.keyZ;
        case PadButton::Up: return keys.keyUp;
        case PadButton::Down: return keys.keyDown;
        case PadButton::Left: return keys.keyLeft;
        case PadButton::Right: return keys.keyRight;
        case PadButton::Start: return keys.keyStart;
        case PadButton::Select: return keys.keySelect;
        }
        return 0;
    };
}

}  // namespace vrh
