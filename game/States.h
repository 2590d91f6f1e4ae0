#pragma once
// What one small enemy tank is doing. Its side is the group that holds it.
#include <cstdint>

namespace vrh {

enum class EnemyState : uint8_t {
    Gone,  // destroyed for the rest of the level, or a slot not yet used
    Alive,
    Shooting,  // the firing pose, drawn for one tick
    Explode1,  // the four explosion stages, one per drawn tick
    Explode2,
    Explode3,
    Explode4,
};

// The explosion stage (1..4) of a state, 0 for any other.
inline int explosionStage(EnemyState s) {
    const int k = int(s) - int(EnemyState::Explode1);
    return k >= 0 && k < 4 ? k + 1 : 0;
}
// The state of explosion stage 1..4.
inline EnemyState explosionState(int stage) { return EnemyState(int(EnemyState::Explode1) + stage - 1); }

}  // namespace vrh
