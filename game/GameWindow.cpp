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
    tmrMoves.handler = [this] { tmrMoves_Timer(); };
    tmrBGmusic.handler = [this] { tmrBGmusic_Timer(); };
    tmrPause.handler = [this] { tmrPause_Timer(); };
    tmrTankShot.handler = [this] { tmrTankShot_Timer(); };
    tmrLevelup.handler = [this] { tmrLevelup_Timer(); };
}

void GameWindow::attachTimers(TimerDriver& driver) {
    detachTimers();
    driver_ = &driver;
    for (Timer* t : {&tmrMoves, &tmrBGmusic, &tmrPause, &tmrTankShot, &tmrLevelup}) driver.add(*t);
}

void GameWindow::detachTimers() {
    if (!driver_) return;
    for (Timer* t : {&tmrMoves, &tmrBGmusic, &tmrPause, &tmrTankShot, &tmrLevelup})
        driver_->remove(*t);
    driver_ = nullptr;
}

void GameWindow::Form_Load() {
    GameState& g = svc.g;
    Sounds& s = svc.snd;
    const MediaPaths& p = svc.paths;

    g.volleyTicks = 81.75;

    s.sndBgm[1].open(p.fileBgm[1]);
    s.sndBgm[2].open(p.fileBgm[2]);
    s.sndBgm[3].open(p.fileBgm[3]);
    g.extraLifeStep = 1000;
    s.sndBgm[4].open(p.fileBgm[4]);
    s.sndBgm[5].open(p.fileBgm[5]);
    g.enemiesOnField = 0;
    s.sndBgm[6].open(p.fileBgm[6]);
    s.sndBgm[7].open(p.fileBgm[7]);
    g.playerDefense = 0;
    s.sndBgm[8].open(p.fileBgm[8]);
    s.sndBgm[9].open(p.fileBgm[9]);
    s.sndBgm[10].open(p.fileBgm[10]);

    s.sndExplosion.open(p.fileExplosion);
    s.sndPlayerShot.open(p.filePlayerShot);
    s.sndTankShot.open(p.fileTankShot);
    s.sndEnemyShot.open(p.fileEnemyShot);
    s.sndLevelUp.open(p.fileLevelUp);
    s.sndMenuMove.open(p.fileMenuMove);

    s.sndBgm[6].play();  // the music timer takes over from here

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

void GameWindow::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // The window's timers go with it.
    for (Timer* t : {&tmrMoves, &tmrBGmusic, &tmrPause, &tmrTankShot, &tmrLevelup})
        t->setEnabled(false);
    Sounds& s = svc.snd;
    s.sndExplosion.close();
    s.sndPlayerShot.close();
    s.sndTankShot.close();
    s.sndEnemyShot.close();
    s.sndLevelUp.close();
    for (int i = 1; i <= 10; ++i) s.sndBgm[i].close();
    svc.globals.flags.gameShowing = false;
}

void GameWindow::Form_KeyDown(int keyCode) {
    if (keyCode >= 0 && keyCode < int(svc.g.keyState.size())) svc.g.keyState[keyCode] = true;
}

void GameWindow::Form_KeyUp(int keyCode) {
    if (keyCode >= 0 && keyCode < int(svc.g.keyState.size())) svc.g.keyState[keyCode] = false;
    // Releasing any key clears the fire pose until a tick finds A down again.
    svc.g.fireHeld = false;
}

void GameWindow::tmrTankShot_Timer() {
    if (finished_ || unloaded_) return;
    svc.snd.sndTankShot.play();
    volleyUnderway = true;
}

void GameWindow::freeze() {
    tmrMoves.setEnabled(false);
    tmrTankShot.setEnabled(false);
}

void GameWindow::resume() {
    if (finished_ || unloaded_) return;
    if (tmrMoves.Enabled() || lblPause.Visible) return;  // running, or paused
    tmrMoves.setEnabled(true);
    if (volleyUnderway) tmrTankShot.setEnabled(true);
}

void GameWindow::tmrBGmusic_Timer() {
    if (unloaded_) return;
    const WindowFlags& flags = svc.globals.flags;
    // Focus loss: another window in front freezes the game.
    if (svc.fg.foregroundWindow() != svc.self) freeze();
    // Focus return: thaw a frozen (not paused) game unless the load or options window is open.
    if (!finished_ && svc.fg.foregroundWindow() == svc.self && !flags.loadShowing &&
        !flags.optionsShowing) {
        if (!tmrMoves.Enabled() && !lblPause.Visible) {
            tmrMoves.setEnabled(true);
            if (!tmrTankShot.Enabled() && volleyUnderway) tmrTankShot.setEnabled(true);
        }
    }
    // Music: the chosen track restarts when it has ended and silences the others.
    for (size_t k = 0; k < kTrackTitles.size(); ++k) {
        if (svc.globals.musicChoice != kTrackTitles[k]) continue;
        Sound& chosen = svc.snd.sndBgm[k + 1];
        if (chosen.mode() == TrackMode::Stopped) {
            chosen.play();
            for (size_t j = 1; j <= 10; ++j)
                if (j != k + 1) svc.snd.sndBgm[j].stop();
        }
        break;
    }
}

void GameWindow::togglePauseChoice() {
    if (lblResume.selected) {
        lblResume.ForeColor = kYellow;
        lblResume.selected = false;
        lblMainMenu.ForeColor = kGreen;
        lblMainMenu.selected = true;
    } else if (lblMainMenu.selected) {
        lblMainMenu.ForeColor = kYellow;
        lblMainMenu.selected = false;
        lblResume.ForeColor = kGreen;
        lblResume.selected = true;
    }
    svc.snd.sndMenuMove.play();
    svc.host.pauseScreenChanged();
}

void GameWindow::tmrPause_Timer() {
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
    if (lblResume.selected) {
        tmrMoves.setEnabled(true);
        lblPause.Visible = false;
        lblResume.Visible = false;
        if (volleyUnderway) {
            svc.snd.sndTankShot.play();
            tmrTankShot.setEnabled(true);
        }
        lblMainMenu.Visible = false;
        tmrPause.setEnabled(false);
        svc.g.controlsArmed = false;  // the tick arms them again on tickCycle 2
    } else if (lblMainMenu.selected) {
        // No further pause ticks while the question is open.
        tmrPause.setEnabled(false);
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
        tmrPause.setEnabled(true);
    }
}

}  // namespace vrh
