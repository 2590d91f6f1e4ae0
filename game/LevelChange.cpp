// The level change: once the big tank is shattered the frame composition
// enables levelUpTimer (1 ms); it waits while A is held, then sets up the next
// level and hands over to the shop.
#include "game/Phases.h"
#include "game/RunStart.h"

namespace vrh {

void GameWindow::onLevelUpTick() {
    if (finished_ || unloaded_) return;
    // Nothing moves on under the pause screen: the shop waits for Resume.
    if (paused()) return;
    // Play goes on (the tick keeps running) until A is released.
    if (pressed(svc.globals.keys.keyA)) return;
    GameState& g = svc.g;

    moveTimer.setEnabled(false);

    startNextLevel(g);

    // The shop is shown, the game window hidden, with the shop's caption.
    svc.host.openShop("Upgrades     $" + std::to_string(int64_t(g.money)));

    levelUpTimer.setEnabled(false);
}

}  // namespace vrh
