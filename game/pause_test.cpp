// The pause screen, the focus freeze and thaw, the music loop.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// Paused by a press of Start on an armed tick; Start is still held.
struct PausedHarness : Harness {
    PausedHarness() {
        noSpawns();
        tick(2);
        hold(Button::Start);
        hold(Button::Right);
        tick();
    }
};

}  // namespace

// Start pauses after the rest of its tick has run, with the controls dead.
TEST(Pause, StartPausesTheTickButTheRestOfThatTickRunsWithDeadControls) {
    PausedHarness h;
    GameWindow& w = h.w();
    EXPECT_TRUE(w.pauseTimer.Enabled() && w.paused());
    EXPECT_FALSE(w.moveTimer.Enabled() || w.tankShotTimer.Enabled());
    EXPECT_TRUE(w.pausedLabel.Visible && w.resumeLabel.Visible && w.mainMenuLabel.Visible);
    EXPECT_FALSE(h.g.controlsArmed);
    EXPECT_EQ(h.g.playerX, 162) << "Right was held, but the controls died in step 20";
    EXPECT_EQ(h.host.presents, 3) << "the frame of that tick was still composed";
    const int ticks = h.ticksRun();
    h.tick(10);
    EXPECT_EQ(h.ticksRun(), ticks);
}

// The opening press (still held) chooses nothing; a later tap resumes; controls re-arm at cycle 2.
TEST(Pause, TheStartPressThatOpenedItDoesNotChooseALaterOneResumes) {
    PausedHarness h;
    GameWindow& w = h.w();
    h.advanceMs(500);  // Start still held: five pause ticks, nothing chosen
    EXPECT_TRUE(w.paused());
    h.release(Button::Start);
    h.advanceMs(100);  // seen up
    EXPECT_TRUE(w.paused());
    h.tap(Button::Start);  // a quick press between two pause ticks still counts
    h.advanceMs(100);
    EXPECT_FALSE(w.paused() || w.pauseTimer.Enabled() || w.resumeLabel.Visible || w.mainMenuLabel.Visible);
    EXPECT_TRUE(w.moveTimer.Enabled());
    EXPECT_FALSE(h.g.controlsArmed);
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 0) << "no volley under way: no volley sound";
    // The controls come back when tickCycle next reaches 2.
    const int cycle = h.g.tickCycle;
    int ticks = 0;
    for (; !h.g.controlsArmed && ticks < 30; ++ticks) h.tick();
    EXPECT_EQ(ticks, (2 - cycle + 20) % 20 == 0 ? 20 : (2 - cycle + 20) % 20);
}

// Resuming with a volley under way restarts the volley sound.
TEST(Pause, ResumingARunningVolleyRestartsItsSound) {
    Harness h;
    h.noSpawns();
    h.tick(49 + 40);  // the volley timer has played once: a volley is under way
    ASSERT_TRUE(h.w().volleyUnderway);
    h.tap(Button::Start);
    h.tick();
    ASSERT_TRUE(h.w().paused());
    h.clearSounds();
    h.advanceMs(100);  // sees Start up
    h.tap(Button::Start);
    h.advanceMs(100);
    EXPECT_FALSE(h.w().paused());
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 1);
    EXPECT_TRUE(h.w().tankShotTimer.Enabled());
}

// Down/Up toggle the choice (held keys repeat), both together do nothing.
TEST(Pause, DownAndUpToggleTheChoiceWithASound) {
    PausedHarness h;
    GameWindow& w = h.w();
    h.release(Button::Start);
    h.clearSounds();
    h.hold(Button::Down);
    h.advanceMs(100);
    EXPECT_TRUE(w.mainMenuLabel.selected && !w.resumeLabel.selected);
    EXPECT_EQ(w.mainMenuLabel.ForeColor, 0x00FF00u);
    EXPECT_EQ(w.resumeLabel.ForeColor, 0xFFFF00u);
    h.advanceMs(200);  // held under 300 ms: one move per press
    EXPECT_TRUE(w.mainMenuLabel.selected);
    h.advanceMs(100);  // held past the repeat delay: toggles on every tick
    EXPECT_TRUE(w.resumeLabel.selected);
    h.advanceMs(100);
    EXPECT_TRUE(w.mainMenuLabel.selected);
    h.release(Button::Down);
    h.hold(Button::Up);
    h.advanceMs(100);
    EXPECT_TRUE(w.resumeLabel.selected);
    h.hold(Button::Down);  // both: nothing
    h.advanceMs(100);
    EXPECT_TRUE(w.resumeLabel.selected);
    EXPECT_EQ(h.plays(h.snd.menuMoveSound), 4);
}

// Guards a second Start press being eaten when no pause tick saw the key up
// between the two presses (a slow poll under load).
TEST(Pause, AStartPressedAgainBeforeAnyPauseTickResumes) {
    PausedHarness h;  // Start still held from the opening press
    h.advanceMs(100);
    ASSERT_TRUE(h.w().paused()) << "the opening press, held, chooses nothing";
    h.release(Button::Start);
    h.hold(Button::Start);  // up and down again between two pause ticks
    h.advanceMs(100);
    EXPECT_FALSE(h.w().paused());
}

// Guards one press acting twice: the Start that chose Resume, held on until the
// controls re-arm, paused the game again at once.
TEST(Pause, TheResumePressHeldOnDoesNotPauseAgainANewPressDoes) {
    PausedHarness h;
    h.release(Button::Start);
    h.advanceMs(100);
    h.hold(Button::Start);  // Resume, and held on
    h.advanceMs(100);
    ASSERT_FALSE(h.w().paused());
    h.advanceMs(1100);  // the controls re-arm on tickCycle 2 meanwhile
    EXPECT_FALSE(h.w().paused());
    h.release(Button::Start);
    h.hold(Button::Start);
    h.advanceMs(100);
    EXPECT_TRUE(h.w().paused());
}

// Main Menu asks first; only Yes leaves and unloads the game.
TEST(Pause, MainMenuAsksAndOnlyYesLeaves) {
    PausedHarness h;
    GameWindow& w = h.w();
    h.releaseAll();
    h.hold(Button::Down);
    h.advanceMs(100);
    h.release(Button::Down);
    ASSERT_TRUE(w.mainMenuLabel.selected);
    h.tap(Button::Start);
    h.advanceMs(100);  // No (the default answer)
    ASSERT_EQ(h.msg.shown().size(), 1u);
    EXPECT_TRUE(h.msg.shown()[0].isQuestion);
    EXPECT_EQ(h.msg.shown()[0].text,
              "Are you sure you want to return to the main menu? You score will not be saved!");
    EXPECT_EQ(h.msg.shown()[0].title, "Are you sure?");
    EXPECT_TRUE(w.paused());
    EXPECT_EQ(h.host.mainMenus, 0);
    h.msg.answer(MsgButton::Yes);
    h.advanceMs(100);  // sees Start up again
    EXPECT_EQ(h.msg.shown().size(), 1u);
    h.tap(Button::Start);
    h.advanceMs(100);
    EXPECT_EQ(h.msg.shown().size(), 2u);
    EXPECT_EQ(h.host.mainMenus, 1);
    EXPECT_EQ(h.host.unloads, 1);
    EXPECT_TRUE(w.unloaded());
}

// Neither a click nor focus coming back thaws a paused game.
TEST(Focus, ClickOrFocusDoNotLeaveThePauseScreen) {
    PausedHarness h;
    h.w().resume();
    EXPECT_FALSE(h.w().moveTimer.Enabled());
    h.fg.setForeground(nullptr);
    h.advanceMs(100);
    h.fg.setForeground(h.self());
    h.advanceMs(300);
    EXPECT_FALSE(h.w().moveTimer.Enabled());
    EXPECT_TRUE(h.w().paused());
}

// Focus lost freezes the game; an options window keeps it frozen; the thaw restarts the volley timer.
TEST(Focus, OptionsOrLoadWindowKeepsTheGameFrozen) {
    Harness h;
    h.noSpawns();
    h.tick(49 + 40);
    ASSERT_TRUE(h.w().volleyUnderway);
    h.fg.setForeground(nullptr);
    h.advanceMs(100);
    EXPECT_FALSE(h.w().moveTimer.Enabled() || h.w().tankShotTimer.Enabled());
    h.globals.flags.optionsShowing = true;
    h.fg.setForeground(h.self());
    h.advanceMs(300);
    EXPECT_FALSE(h.w().moveTimer.Enabled());
    h.globals.flags.optionsShowing = false;
    h.advanceMs(100);
    EXPECT_TRUE(h.w().moveTimer.Enabled());
    EXPECT_TRUE(h.w().tankShotTimer.Enabled()) << "a volley is under way";
}

// The chosen track restarts only on a "stopped" reply; the others are stopped; titles match exactly.
TEST(Music, TheChosenTrackRestartsWhenStoppedAndSilencesTheOthers) {
    Harness h;
    h.noSpawns();
    h.globals.musicChoice = "Ice Cap Act 1";
    h.clearSounds();
    h.advanceMs(100);
    EXPECT_EQ(h.plays(h.snd.music[9]), 0) << "an unanswered status is not \"stopped\"";
    h.audio.answers[h.snd.music[9].fileName()].mode = TrackMode::Stopped;
    h.advanceMs(100);
    EXPECT_EQ(h.plays(h.snd.music[9]), 1);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(h.stops(h.snd.music[i]), i == 9 ? 0 : 1) << i;
    h.globals.musicChoice = "ice cap act 1";  // no title: nothing
    h.clearSounds();
    h.advanceMs(300);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(h.plays(h.snd.music[i]), 0);
}
