#include "game/Explosions.h"

#include "game/States.h"

namespace vrh {

namespace {
constexpr int kExplosionW = 33, kExplosionH = 42;
}

void advancePlayerExplosion(GameState& g, Frame& frame) {
    g.carried.explodeFrame += 1;
    if (g.carried.explodeFrame == 5) {
        g.playerState = PlayerState::Blinking;
        g.lives -= 1;
        g.playerHP = g.playerMaxHP;
        g.carried.explodeFrame = 0;
        return;  // not drawn on this tick
    }
    const uint8_t f = uint8_t(g.carried.explodeFrame - 1);
    frame.masked({Pic::explodemask, f}, {Pic::explode, f}, g.playerX, g.playerY, g.playerW, g.playerH);
}

void advanceEnemyExplosion(EnemyGroup& grp, int i, int stage, Frame& frame) {
    const uint8_t f = uint8_t(stage - 1);
    frame.masked({Pic::explodemask, f}, {Pic::explode, f}, grp.x[i], grp.y[i] - 8, kExplosionW, kExplosionH);
    if (stage < 4) {
        grp.state[i] = explosionState(stage + 1);
    } else {
        // Gone for the rest of the level; its shot, if flying, flies on.
        grp.state[i] = EnemyState::Gone;
        grp.y[i] = -1111;
    }
}

}  // namespace vrh
