// The big tank's volley: four shots rising from row 310, shots 1 and 2
// straight up, shots 0 and 3 closing in on where the player was at launch.
#include "game/Shots.h"
#include "game/Phases.h"

namespace vrh {

void flyVolley(GameWindow& w) {
    GameState& g = w.svc.g;
    if (!g.volleyActive) return;
    g.carried.volleyFrame += 1;
    g.volleyY -= 4;
    g.volleyX[0] += g.carried.volleyStepRight;
    g.volleyX[3] -= g.carried.volleyStepLeft;
    // The sound starts with the first flight step; the timer repeats it.
    if (!w.tankShotTimer.Enabled()) w.svc.snd.tankShotSound.play();
    w.tankShotTimer.setEnabled(true);
}

void volleyHitsPlayer(GameWindow& w) {
    GameState& g = w.svc.g;
    // The straight shots first, then the diagonal ones; the defence plays no part.
    for (int i : {1, 2, 0, 3}) {
        if (!playerCanBeHit(g) || !g.carried.volleyShotFlying[i]) continue;
        const bool straight = i == 1 || i == 2;
        const int sw = straight ? g.volleyShotW : g.shotW;
        const int sh = straight ? g.volleyShotH : g.shotH;
        if (!boxHit(g, g.playerX, g.playerY, g.playerW, g.playerH, g.volleyX[i], g.volleyY, sw, sh)) continue;
        g.playerHP -= 1;
        g.carried.volleyShotFlying[i] = false;
        playerHurt(w);
    }
}

void launchVolley(GameState& g) {
    if (!(g.volleyTimer == 49 && !g.volleyActive)) return;
    g.volleyActive = true;
    // After volleyTicks ticks shots 0 and 3 have closed in on the player's x.
    g.carried.volleyStepRight = double(g.playerX + g.shotW) / g.volleyTicks;
    g.carried.volleyStepLeft = double(324 - g.playerX - g.playerW + 1) / g.volleyTicks;
    g.volleyY = 310;
    g.carried.volleyFrame = 1;
    g.volleyX[0] = 0;
    g.volleyTimer = 0;
    g.volleyX[3] = 308;
    g.carried.volleyShotFlying.fill(true);
}

void endVolley(GameWindow& w) {
    GameState& g = w.svc.g;
    if (!(g.volleyY + g.volleyShotH < 0)) return;
    g.volleyActive = false;
    w.svc.snd.tankShotSound.stop();
    w.tankShotTimer.setEnabled(false);
    w.volleyUnderway = false;
    g.carried.volleyShotFlying.fill(false);
}

}  // namespace vrh
