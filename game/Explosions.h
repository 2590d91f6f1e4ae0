#pragma once
// The four-frame explosions of the player and of small enemies, advanced by
// the drawing of each tick (a paused game freezes them).
#include "draw/Frame.h"
#include "game/GameState.h"

namespace vrh {

// The player while exploding: explodeFrame + 1; on 5 the player turns
// blinking, loses a life, gets full HP and is not drawn; otherwise
// explosion frame explodeFrame - 1 is drawn over the player's box.
void advancePlayerExplosion(GameState& g, Frame& frame);

// A small enemy in explosion stage 1..4: frame
// stage - 1 drawn 8 px above its top, 33 x 42; then the next stage, or after
// stage 4 gone, with the enemy parked at y = -1111.
void advanceEnemyExplosion(EnemyGroup& group, int i, int stage, Frame& frame);

}  // namespace vrh
