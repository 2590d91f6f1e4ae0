#include "game/Explosions.h"

#include "game/States.h"

namespace vrh {

namespace {
constexpr int kExplosionW = 33, kExplosionH = 42;
}

void advancePlayerExplosion(GameState& g, Frame& frame) {
    g.explodeFrame += 1;
    if (g.explodeFrame == 5) {
        g.playerState = kBlinking;
        g.lives -= 1;
        g.playerHP = g.playerMaxHP;
        g.explodeFrame = 0;
        return;  // not drawn on this tick
    }
    const uint8_t f = uint8_t(g.explodeFrame - 1);
    frame.masked({Pic::explodemask, f}, {Pic::explode, f}, g.playerX, g.playerY, g.playerW, g.playerH);
}

int explosionStage(const std::string& state, bool leftGroup) {
    const auto& words = leftGroup ? kExplodeLeft : kExplodeRight;
    for (int k = 0; k < 4; ++k)
        if (state == words[k]) return k + 1;
    return 0;
}

void advanceEnemyExplosion(EnemyGroup& grp, bool leftGroup, int i, int stage, Frame& frame) {
    const uint8_t f = uint8_t(stage - 1);
    frame.masked({Pic::explodemask, f}, {Pic::explode, f}, grp.x[i], grp.y[i] - 8, kExplosionW,
                 kExplosionH);
    const auto& words = leftGroup ? kExplodeLeft : kExplodeRight;
    if (stage < 4) {
        grp.state[i] = words[stage];
    } else {
        // Gone for the rest of the level; its shot, if flying, flies on.
        grp.state[i] = "";
        grp.y[i] = -1111;
    }
}

}  // namespace vrh
