// The 50 ms game tick: every phase of the game in its fixed order.
#include "game/Phases.h"

namespace vrh {

void GameWindow::onMoveTick() {
    // A finished run does nothing more, even if a tick still arrives while
    // the "Game Over" box is open or the window is going away.
    if (finished_ || unloaded_) return;
    GameState& g = svc.g;

    showStatus();        // 1: the caption shows what the last tick left
    advanceCounters(g);  // 2
    reopenWave(g);       // 3
    if (g.lives == 0) {  // 4: the run ends here, nothing after it runs
        gameOver();
        return;
    }
    armControlsAndFire(*this);     // 5
    grantExtraLife(*this);         // 6
    countBlink(g);                 // 7
    wrapEnemyFrame(g);             // 8
    flyVolley(*this);              // 9
    wrapVolleyCounters(g);         // 10
    volleyHitsPlayer(*this);       // 11
    enemyShotsHitPlayer(*this);    // 12
    enemiesRamPlayer(*this);       // 13
    playerShotHitsEnemies(*this);  // 14
    driveEnemiesIn(g);             // 15
    launchVolley(g);               // 16: the volley starts on tick 49
    endVolley(*this);              // 17
    countTankFlash(g);             // 18
    wrapPlayerAndShotFrames(g);    // 19
    pauseKey(*this);               // 20
    movePlayer(*this);             // 21
    fireKey(*this);                // 22: fire, then the shot leaves the field or flies
    shotLeavesFieldAndFlies(g);
    playerShotHitsTank(*this);  // 23
    spawnEnemy(*this);          // 24
    composeFrame(*this);        // 25
}

void GameWindow::gameOver() {
    finished_ = true;
    moveTimer.setEnabled(false);
    tankShotTimer.setEnabled(false);
    levelUpTimer.setEnabled(false);
    svc.g.playerState = PlayerState::Dead;
    svc.msg.notice("Game Over");
    svc.host.showHighScores();
    Sounds& s = svc.snd;
    s.tankShotSound.close();
    s.explosionSound.close();
    s.playerShotSound.close();
    s.enemyShotSound.close();
    s.levelUpSound.close();
    svc.host.unloadGameWindow();
}

std::string GameWindow::statusLine() const {
    const GameState& g = svc.g;
    return "Level:" + std::to_string(int(g.level)) + " Score:" + std::to_string(int64_t(g.score)) +
           " Lives:" + std::to_string(int(g.lives)) + " HP:" + std::to_string(int(g.playerHP)) + " $" +
           std::to_string(int64_t(g.money));
}

void GameWindow::showStatus() {
    std::string line = statusLine();
    if (line == Caption) return;
    Caption = std::move(line);
    svc.host.captionChanged(Caption);
}

void advanceCounters(GameState& g) {
    g.carried.playerFrame += 1;
    g.carried.shotFrame += 1;
    g.volleyTimer += 1;
    g.enemyFrame += 1;
    g.tickCycle += 1;
}

void reopenWave(GameState& g) {
    if (g.enemiesOnField < 1) {
        g.spawnOpen = true;
        g.enemiesOnField = 0;
    }
}

void armControlsAndFire(GameWindow& w) {
    GameState& g = w.svc.g;
    if (g.tickCycle == 2) g.controlsArmed = true;
    if (g.tickCycle > 20) g.tickCycle = 1;
    if (g.tickCycle == 20) firingPass(w);  // once a second
}

void grantExtraLife(GameWindow& w) {
    GameState& g = w.svc.g;
    const double price = g.extraLifeStep / 10.0;
    if (g.extraLifePoints >= price) {
        g.lives += 1;
        w.svc.snd.levelUpSound.play();
        g.extraLifePoints -= price;
    }
}

void countBlink(GameState& g) {
    if (g.playerState == PlayerState::Blinking) g.blinkTicks += 1;
}

void wrapEnemyFrame(GameState& g) {
    if (g.enemyFrame >= 3) g.enemyFrame = 1;
}

void wrapVolleyCounters(GameState& g) {
    if (g.carried.volleyFrame >= 3) g.carried.volleyFrame = 1;
    if (g.volleyTimer >= 50) g.volleyTimer = 0;
}

void countTankFlash(GameState& g) {
    // A flash set by a hit shows in the frame of that tick and of the next one.
    if (g.tankFlashing && g.tankFlashTicks < 3)
        g.tankFlashTicks += 1;
    else
        g.tankFlashTicks = 0;
    if (g.tankFlashTicks == 2) g.tankFlashing = false;
}

void wrapPlayerAndShotFrames(GameState& g) {
    if (g.carried.playerFrame >= 3) g.carried.playerFrame = 1;
    if (g.carried.shotFrame >= 3) g.carried.shotFrame = 1;
}

}  // namespace vrh
