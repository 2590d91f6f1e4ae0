#include "game/RunStart.h"

#include <utility>

namespace vrh {

void startNewRun(GameState& g) {
    GameState next;
    next.carried = g.carried;
    next.left = std::move(g.left);
    next.right = std::move(g.right);
    next.left.count = 0;  // old slots stay, never visited
    next.right.count = 0;
    g = std::move(next);
}

void startNextLevel(GameState& g) {
    g.level += 1;
    g.tankMaxHP += 100;
    g.tankHP = g.tankMaxHP;
    g.extraLifeStep += 1000;

    const GameState start;
    g.tankShattered = start.tankShattered;
    g.tankFlashing = start.tankFlashing;
    g.tankPicIndex = start.tankPicIndex;
    g.playerX = start.playerX;
    g.playerY = start.playerY;
    g.fireHeld = start.fireHeld;
    g.shotInFlight = start.shotInFlight;
    g.shotX = start.shotX;
    g.shotY = start.shotY;
    g.shotHomeX = start.shotHomeX;
    g.shotHomeY = start.shotHomeY;
    g.volleyY = start.volleyY;
    g.volleyTicks = start.volleyTicks;
    g.tickCycle = start.tickCycle;
    g.enemyShotsInAir = start.enemyShotsInAir;
    g.enemiesOnField = start.enemiesOnField;
    g.spawnOpen = start.spawnOpen;
    g.left = start.left;
    g.right = start.right;
}

}  // namespace vrh
