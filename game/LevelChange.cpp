// The level change: once the big tank is shattered the frame composition
// enables levelUpTimer (1 ms); it waits while A is held, then sets up the next
// level and hands over to the shop.
#include "game/Phases.h"

namespace vrh {

void GameWindow::onLevelUpTick() {
    if (finished_ || unloaded_) return;
    // Nothing moves on under the pause screen: the shop waits for Resume.
    if (paused()) return;
    // Play goes on (the tick keeps running) until A is released.
    if (pressed(svc.globals.keys.keyA)) return;
    GameState& g = svc.g;

    moveTimer.setEnabled(false);

    g.level += 1;
    g.tankMaxHP += 100;
    g.tankHP = g.tankMaxHP;
    g.extraLifeStep += 1000;

    g.tankShattered = false;
    g.tankFlashing = false;
    g.shotInFlight = 0;
    g.fireHeld = false;
    g.playerY = 0;
    g.playerX = 162;
    g.shotY = 32;
    g.shotHomeY = 32;
    g.shotX = 178;
    g.shotHomeX = 178;
    g.tankPicIndex = 0;
    g.volleyY = 310;
    g.tickCycle = 0;
    g.enemyShotsInAir = 0;
    g.right.count = 0;
    g.left.count = 0;

    g.left.clearToOneSlot();
    g.right.clearToOneSlot();

    g.enemiesOnField = 0;
    g.spawnOpen = true;
    g.volleyTicks = 81.75;

    // The shop is shown, the game window hidden, with the shop's caption.
    svc.host.openShop("Upgrades     $" + std::to_string(int64_t(g.money)));

    levelUpTimer.setEnabled(false);
}

}  // namespace vrh
