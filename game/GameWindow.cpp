// The game window: loading a run, unloading, the volley-sound timer, the
// music and focus timer, the pause screen, freeze and resume.
#include "game/GameWindow.h"

#include "audio/MusicTracks.h"

#include <array>
#include <cstdlib>

#include "game/Phases.h"
#include "game/RunStart.h"

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
    svc.snd.openGameSounds(svc.paths);
    svc.snd.music[6].play();  // the music timer takes over from here
    svc.globals.flags.gameShowing = true;
    startNewRun(svc.g);
}

void GameWindow::onUnload() {
    if (unloaded_) return;
    unloaded_ = true;
    // The window's timers go with it.
    for (Timer* t : {&moveTimer, &musicTimer, &pauseTimer, &tankShotTimer, &levelUpTimer})
        t->setEnabled(false);
    svc.snd.closeGameSounds();
    svc.globals.flags.gameShowing = false;
}

void GameWindow::onKeyReleased() {
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
    if (!finished_ && svc.fg.foregroundWindow() == svc.self && !flags.loadShowing && !flags.optionsShowing) {
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
        const MsgButton answer =
            svc.msg.question("Are you sure you want to return to the main menu? You score will not be saved!",
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
