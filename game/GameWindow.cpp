// The game window: loading a run, unloading, the volley-sound timer, the
// music and focus timer, the pause screen, freeze and resume.
#include "game/GameWindow.h"

#include "audio/MusicTracks.h"

#include <array>
#include <cstdlib>

#include "game/Phases.h"

namespace vrh {

namespace {

const uint32_t kGreen = 0x00FF00;
const uint32_t kYellow = 0xFFFF00;

}  // namespace

GameWindow::GameWindow(GameServices s) : svc(s) {
    moveTimer.handler = [this] { onMoveTick(); };
    musicTimer.handler = [this] { onMusicTick(); };
    pauseTimer.handler = [this] { onPauseTick(); };
    tankShotTimer.handler = [this] { onTankShotTick(); };
    levelUpTimer.handler = [this] { onLevelUpTick(); };
}

void GameWindow::attachTimers(TimerDriver& driver) {
    detachTimers();
    driver_ = &driver;
    for (Timer* t : {&moveTimer, &musicTimer, &pauseTimer, &tankShotTimer, &levelUpTimer}) driver.add(*t);
}

void GameWindow::detachTimers() {
    if (!driver_) return;
    for (Timer* t : {&moveTimer, &musicTimer, &pauseTimer, &tankShotTimer, &levelUpTimer})
        driver_->remove(*t);
    driver_ = nullptr;
}

void GameWindow::onLoad() {
    GameState& g = svc.g;
    Sounds& s = svc.snd;
    const MediaPaths& p = svc.paths;

    g.volleyTicks = 81.75;

    s.music[1].open(p.fileBgm[1]);
    s.music[2].open(p.fileBgm[2]);
    s.music[3].open(p.fileBgm[3]);
    g.extraLifeStep = 1000;
    s.music[4].open(p.fileBgm[4]);
    s.music[5].open(p.fileBgm[5]);
    g.enemiesOnField = 0;
    s.music[6].open(p.fileBgm[6]);
    s.music[7].open(p.fileBgm[7]);
    g.playerDefense = 0;
    s.music[8].open(p.fileBgm[8]);
    s.music[9].open(p.fileBgm[9]);
    s.music[10].open(p.fileBgm[10]);

    s.explosionSound.open(p.fileExplosion);
    s.playerShotSound.open(p.filePlayerShot);
    s.tankShotSound.open(p.fileTankShot);
    s.enemyShotSound.open(p.fileEnemyShot);
    s.levelUpSound.open(p.fileLevelUp);
    s.menuMoveSound.open(p.fileMenuMove);

    s.music[6].play();  // the music timer takes over from here

    // Window-level fields; a freshly loaded window also starts its flash count at 0.
    g.controlsArmed = false;
    g.flashTicks = 0;
    g.starsTileCount = 2;
    g.earthTileCount = 2;
    g.earthTileX = {-242, 238, 0};
    g.starsTileX = {-242, 238, 0};

    // The shared fields, to the values of a new run.
    g.extraLifePoints = 0;
    g.money = 0;
    g.earthY = 200;
    g.earthW = 484;
    g.earthH = 164;
    g.starsW = 484;
    g.starsH = 214;
    g.tickCycle = 0;
    g.spawnOpen = true;
    g.left.count = 0;
    g.right.count = 0;
    g.score = 0;
    svc.globals.flags.gameShowing = true;
    g.facingLeft = false;
    g.facingRight = true;
    g.playerY = 0;
    g.playerX = 162;
    g.tankY = 296;
    g.tankX = 0;
    g.shotY = 32;
    g.shotHomeY = 32;
    g.shotX = 178;
    g.shotHomeX = 178;
    g.playerW = 33;
    g.playerH = 42;
    g.volleyShotH = 31;
    g.volleyShotW = 11;
    g.shotInFlight = 0;
    g.fireHeld = false;
    g.shotW = 14;
    g.shotH = 14;
    g.tankHP = 100;
    g.volleyX = {11, 101, 218, 308};
    g.volleyY = 310;
    g.tankPicIndex = 0;
    g.tankShattered = false;
    g.tankFlashing = false;
    g.attackPower = 1;
    g.tankW = 330;
    g.playerHP = 5;
    g.tankH = 65;
    g.tankFlashTicks = 0;
    g.level = 1;
    g.tankMaxHP = 100;
    g.volleyActive = false;
    g.volleyTimer = 0;
    g.enemyW = 33;
    g.enemyH = 24;
    g.spawnLeftNext = false;
    g.enemyFrame = 1;
    g.lives = 5;
    g.playerState = PlayerState::Alive;
    g.blinkTicks = 0;
    g.enemyShotsInAir = 0;
    g.rightGroupTurn = false;
    g.playerMaxHP = 5;
    g.gunType = "Regular";
    g.shotType = "Regular";
    // The group arrays, volleyShotFlying and the animation frames keep whatever
    // the last run left: with both counts at 0 no old slot is visited.
}

void GameWindow::onUnload() {
    if (unloaded_) return;
    unloaded_ = true;
    // The window's timers go with it.
    for (Timer* t : {&moveTimer, &musicTimer, &pauseTimer, &tankShotTimer, &levelUpTimer})
        t->setEnabled(false);
    Sounds& s = svc.snd;
    s.explosionSound.close();
    s.playerShotSound.close();
    s.tankShotSound.close();
    s.enemyShotSound.close();
    s.levelUpSound.close();
    for (int i = 1; i <= 10; ++i) s.music[i].close();
    svc.globals.flags.gameShowing = false;
}

void GameWindow::onKeyDown(int keyCode) {
    if (keyCode >= 0 && keyCode < int(svc.g.keyState.size())) svc.g.keyState[keyCode] = true;
}

void GameWindow::onKeyUp(int keyCode) {
    if (keyCode >= 0 && keyCode < int(svc.g.keyState.size())) svc.g.keyState[keyCode] = false;
    // Releasing any key clears the fire pose until a tick finds A down again.
    svc.g.fireHeld = false;
}

void GameWindow::onTankShotTick() {
    if (finished_ || unloaded_) return;
    svc.snd.tankShotSound.play();
    volleyUnderway = true;
}

void GameWindow::freeze() {
    moveTimer.setEnabled(false);
    tankShotTimer.setEnabled(false);
}

void GameWindow::resume() {
    if (finished_ || unloaded_) return;
    if (moveTimer.Enabled() || pausedLabel.Visible) return;  // running, or paused
    moveTimer.setEnabled(true);
    if (volleyUnderway) tankShotTimer.setEnabled(true);
}

void GameWindow::onMusicTick() {
    if (unloaded_) return;
    const WindowFlags& flags = svc.globals.flags;
    // Focus loss: another window in front freezes the game.
    if (svc.fg.foregroundWindow() != svc.self) freeze();
    // Focus return: thaw a frozen (not paused) game unless the load or options window is open.
    if (!finished_ && svc.fg.foregroundWindow() == svc.self && !flags.loadShowing &&
        !flags.optionsShowing) {
        if (!moveTimer.Enabled() && !pausedLabel.Visible) {
            moveTimer.setEnabled(true);
            if (!tankShotTimer.Enabled() && volleyUnderway) tankShotTimer.setEnabled(true);
        }
    }
    // Music: the chosen track restarts when it has ended and silences the others.
    for (size_t k = 0; k < kTrackTitles.size(); ++k) {
        if (svc.globals.musicChoice != kTrackTitles[k]) continue;
        Sound& chosen = svc.snd.music[k + 1];
        if (chosen.mode() == TrackMode::Stopped) {
            chosen.play();
            for (size_t j = 1; j <= 10; ++j)
                if (j != k + 1) svc.snd.music[j].stop();
        }
        break;
    }
}

void GameWindow::togglePauseChoice() {
    if (resumeLabel.selected) {
        resumeLabel.ForeColor = kYellow;
        resumeLabel.selected = false;
        mainMenuLabel.ForeColor = kGreen;
        mainMenuLabel.selected = true;
    } else if (mainMenuLabel.selected) {
        mainMenuLabel.ForeColor = kYellow;
        mainMenuLabel.selected = false;
        resumeLabel.ForeColor = kGreen;
        resumeLabel.selected = true;
    }
    svc.snd.menuMoveSound.play();
    svc.host.pauseScreenChanged();
}

void GameWindow::onPauseTick() {
    if (finished_ || unloaded_) return;
    const ButtonMap& k = svc.globals.keys;
    // Each key is read once a tick; a press moves the choice once, a key
    // held past the repeat delay moves it on every tick.
    const int16_t downState = svc.keys.GetAsyncKeyState(k.keyDown);
    const int16_t upState = svc.keys.GetAsyncKeyState(k.keyUp);
    const bool downMoves = pauseDownRepeat_.step(downState), upMoves = pauseUpRepeat_.step(upState);
    if (downMoves && upState == 0) togglePauseChoice();
    if (upMoves && downState == 0) togglePauseChoice();  // with two choices Up toggles too
    // Start chooses only with a press made while the pause screen is up: the
    // tick that opened it has already read the opening press, so that press,
    // however long it is held, never chooses; a later one always does, even
    // when it comes before this screen has seen the key up (a slow poll).
    const bool freshStart = (svc.keys.GetAsyncKeyState(k.keyStart) & kKeyPressedBit) != 0;
    if (!freshStart) return;
    if (resumeLabel.selected) {
        moveTimer.setEnabled(true);
        pausedLabel.Visible = false;
        resumeLabel.Visible = false;
        if (volleyUnderway) {
            svc.snd.tankShotSound.play();
            tankShotTimer.setEnabled(true);
        }
        mainMenuLabel.Visible = false;
        pauseTimer.setEnabled(false);
        svc.g.controlsArmed = false;  // the tick arms them again on tickCycle 2
    } else if (mainMenuLabel.selected) {
        // No further pause ticks while the question is open.
        pauseTimer.setEnabled(false);
        const MsgButton answer = svc.msg.question(
            "Are you sure you want to return to the main menu? You score will not be saved!",
            "Are you sure?");
        if (answer == MsgButton::Yes) {
            svc.host.showMainMenu();
            svc.host.unloadGameWindow();
            return;
        }
        // No: the pause screen stays; the Enter that answered the box was
        // the box's and must not count as a new Start here.
        svc.keys.takeOver();
        pauseTimer.setEnabled(true);
    }
}

}  // namespace vrh
