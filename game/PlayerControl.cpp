// The pad in the tick: pause, movement and the fire key. Every key is asked
// for on its own, both keys of a pair every time, as the pad was read.
#include "game/Phases.h"

namespace vrh {

bool playerMayAct(const GameState& g) {
    return g.controlsArmed &&
           (g.playerState == PlayerState::Alive || g.playerState == PlayerState::Flashing ||
            g.playerState == PlayerState::Blinking);
}

void pauseKey(GameWindow& w) {
    GameState& g = w.svc.g;
    // Only a press made since the last look pauses: the Start press that
    // chose Resume, still held when the controls re-arm, must not pause the
    // game again (the pause screen has already read that press).
    const int16_t start = w.svc.keys.GetAsyncKeyState(w.svc.globals.keys.keyStart);
    if (!((start & kKeyPressedBit) && g.controlsArmed)) return;
    w.pauseTimer.setEnabled(true);
    w.pausedLabel.Visible = true;
    w.resumeLabel.Visible = true;
    w.mainMenuLabel.Visible = true;
    w.tankShotTimer.setEnabled(false);
    w.moveTimer.setEnabled(false);
    // The rest of this tick still runs, with the controls dead.
    g.controlsArmed = false;
}

void movePlayer(GameWindow& w) {
    GameState& g = w.svc.g;
    const ButtonMap& k = w.svc.globals.keys;
    {
        const bool left = w.pressed(k.keyLeft), right = w.pressed(k.keyRight);
        if (left && !right && playerMayAct(g)) {
            g.facingLeft = true;  // turns also at the edge
            g.facingRight = false;
            if (g.playerX > 0) {
                g.playerX -= 10;
                g.shotHomeX -= 10;
                if (g.shotInFlight == 0) g.shotX -= 10;
            }
        }
    }
    {
        const bool right = w.pressed(k.keyRight), left = w.pressed(k.keyLeft);
        if (right && !left && playerMayAct(g)) {
            g.facingLeft = false;
            g.facingRight = true;
            if (g.playerX + g.playerW < 324) {
                g.playerX += 10;
                g.shotHomeX += 10;
                if (g.shotInFlight == 0) g.shotX += 10;
            }
        }
    }
    {
        const bool down = w.pressed(k.keyDown), up = w.pressed(k.keyUp);
        // Moving keeps volleyTicks = (327 - playerY) / 4.
        if (down && !up && playerMayAct(g) && g.playerY + g.playerH < g.tankY - 20) {
            g.playerY += 10;
            g.volleyTicks -= 2.5;
            g.shotHomeY += 10;
            if (g.shotInFlight == 0) g.shotY += 10;
        }
    }
    {
        const bool up = w.pressed(k.keyUp), down = w.pressed(k.keyDown);
        if (up && !down && playerMayAct(g) && g.playerY >= 1) {
            g.playerY -= 10;
            g.volleyTicks += 2.5;
            g.shotHomeY -= 10;
            if (g.shotInFlight == 0) g.shotY -= 10;
        }
    }
}

void fireKey(GameWindow& w) {
    GameState& g = w.svc.g;
    const int keyA = w.svc.globals.keys.keyA;
    if (w.pressed(keyA) && playerMayAct(g)) {
        g.fireHeld = true;
        if (g.shotInFlight == 0) {
            // Launched in the facing direction from where it waited, the muzzle.
            g.carried.shotLeft = g.facingLeft;
            g.carried.shotRight = !g.facingLeft;
            g.shotInFlight = 1;
            w.svc.snd.playerShotSound.play();
        }
    }
    if (!w.pressed(keyA)) g.fireHeld = false;
}

}  // namespace vrh
