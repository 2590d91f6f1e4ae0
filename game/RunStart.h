#pragma once
// Where a run and each of its levels start. The start values themselves are
// the initialisers of GameState; these functions say which fields each start
// resets and which it leaves.
#include "game/GameState.h"

namespace vrh {

// A new run (the game window loads): every field back to its start value,
// except `carried`, and the enemy groups keep their slots with a count of 0.
void startNewRun(GameState& g);

// The next level, before the shop: level + 1, the big tank 100 HP stronger
// and whole, the extra-life step 1000 higher; the player, the muzzle, the
// volley height, the tick counter and the spawning back to their start, no
// shot or enemy on the field. Score, money, lives, HP and upgrades stay.
void startNextLevel(GameState& g);

}  // namespace vrh
