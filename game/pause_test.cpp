// The pause screen, the focus freeze and thaw, the music loop.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// Paused by a press of Start on an armed tick; Start is still held.
struct PausedHarness : Harness {
    PausedHarness() { noSpawns(), tick(2), hold(Button::Start), hold(Button::Right), tick(); }
};

}  // namespace

// Guards the pausing tick finishing, the held press choosing nothing, a tap resuming, the re-arm on cycle 2.
TEST(Pause, StartPausesAfterItsTickAndOnlyALaterPressResumes) {
    PausedHarness h;
    GameWindow& w = h.w();
    EXPECT_TRUE(w.pauseTimer.Enabled() && w.paused() && w.pausedLabel.Visible && w.resumeLabel.Visible &&
                w.mainMenuLabel.Visible);
    EXPECT_FALSE(w.moveTimer.Enabled() || w.tankShotTimer.Enabled() || h.g.controlsArmed);
    EXPECT_EQ(vals(h.g.playerX, h.host.presents), "162 3")
        << "Right was held, but the controls died in step 20; the frame of that tick was still composed";
    const int ticks = h.ticksRun();
    h.advanceMs(500);  // Start still held: five pause ticks, nothing chosen
    EXPECT_EQ(vals(w.paused(), h.ticksRun()), vals(1, ticks));
    h.release(Button::Start), h.advanceMs(100);
    h.tap(Button::Start), h.advanceMs(100);  // a quick press between two pause ticks still counts
    EXPECT_FALSE(w.paused() || w.pauseTimer.Enabled() || w.resumeLabel.Visible || w.mainMenuLabel.Visible);
    EXPECT_TRUE(w.moveTimer.Enabled());
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 0) << "no volley under way: no volley sound";
    const int cycle = h.g.tickCycle;
    int n = 0;
    for (; !h.g.controlsArmed && n < 30; ++n) h.tick();
    EXPECT_EQ(n, (2 - cycle + 20) % 20 == 0 ? 20 : (2 - cycle + 20) % 20);
}

// Guards a press acting twice or being eaten: each new Start press acts once, a held one not again.
TEST(Pause, EachNewStartPressActsOnce) {
    PausedHarness h;
    h.advanceMs(100);
    ASSERT_TRUE(h.w().paused());
    h.release(Button::Start), h.hold(Button::Start), h.advanceMs(100);  // up and down between pause ticks
    EXPECT_FALSE(h.w().paused());
    h.advanceMs(1100);  // the controls re-arm on tickCycle 2 meanwhile
    EXPECT_FALSE(h.w().paused());
    h.release(Button::Start), h.hold(Button::Start), h.advanceMs(100);
    EXPECT_TRUE(h.w().paused());
}

// Guards Down/Up toggling with a sound and a 300 ms repeat, both doing nothing; Main Menu asks, Yes leaves.
TEST(Pause, DownAndUpToggleTheChoiceAndMainMenuAsks) {
    PausedHarness h;
    GameWindow& w = h.w();
    h.release(Button::Start), h.clearSounds();
    h.hold(Button::Down), h.advanceMs(100);
    EXPECT_EQ(vals(w.mainMenuLabel.selected, w.resumeLabel.selected, w.mainMenuLabel.ForeColor,
                   w.resumeLabel.ForeColor),
              vals(1, 0, 0x00FF00u, 0xFFFF00u));
    std::string seen;
    for (int i = 0; i < 4; ++i) {  // held under 300 ms: one move per press, then one on every tick
        h.advanceMs(100);
        seen += w.mainMenuLabel.selected ? 'M' : 'R';
    }
    EXPECT_EQ(seen, "MMRM");
    h.release(Button::Down);
    h.hold(Button::Up), h.advanceMs(100);
    EXPECT_TRUE(w.resumeLabel.selected);
    h.hold(Button::Down), h.advanceMs(100);  // both: nothing
    EXPECT_EQ(vals(w.resumeLabel.selected, h.plays(h.snd.menuMoveSound)), "1 4");
    h.releaseAll(), h.tap(Button::Down), h.advanceMs(100);
    ASSERT_TRUE(w.mainMenuLabel.selected);
    h.tap(Button::Start), h.advanceMs(100);  // No (the default answer)
    ASSERT_EQ(h.msg.shown().size(), 1u);
    EXPECT_EQ(vals(h.msg.shown()[0].isQuestion, w.paused(), h.host.mainMenus), "1 1 0");
    EXPECT_EQ(h.msg.shown()[0].text,
              "Are you sure you want to return to the main menu? You score will not be saved!");
    h.msg.answer(MsgButton::Yes), h.advanceMs(100);  // the Enter that answered the box is not a new Start
    EXPECT_EQ(h.msg.shown().size(), 1u);
    h.tap(Button::Start), h.advanceMs(100);
    EXPECT_EQ(vals(h.msg.shown().size(), h.host.mainMenus, h.host.unloads, w.unloaded()), "2 1 1 1");
}

// Guards the focus freeze: neither a click nor the focus leaves the pause; a thaw restarts the volley sound.
TEST(Focus, LostFocusFreezesAndTheThawRestartsTheVolley) {
    Harness h;
    h.noSpawns();
    h.tick(49 + 40);  // the volley timer has played once: a volley is under way
    ASSERT_TRUE(h.w().volleyUnderway);
    h.fg.setForeground(nullptr), h.advanceMs(100);
    EXPECT_FALSE(h.w().moveTimer.Enabled() || h.w().tankShotTimer.Enabled());
    h.globals.flags.optionsShowing = true, h.fg.setForeground(h.self()), h.advanceMs(300);
    EXPECT_FALSE(h.w().moveTimer.Enabled());
    h.globals.flags.optionsShowing = false, h.advanceMs(100);
    EXPECT_TRUE(h.w().moveTimer.Enabled() && h.w().tankShotTimer.Enabled());
    h.tap(Button::Start);
    h.tick();
    ASSERT_TRUE(h.w().paused());
    h.w().resume();  // a click
    h.fg.setForeground(nullptr), h.advanceMs(100);
    h.fg.setForeground(h.self()), h.advanceMs(300);
    EXPECT_TRUE(h.w().paused() && !h.w().moveTimer.Enabled());
    h.clearSounds(), h.tap(Button::Start), h.advanceMs(100);
    EXPECT_EQ(vals(h.w().paused(), h.plays(h.snd.tankShotSound), h.w().tankShotTimer.Enabled()), "0 1 1");
}

// Guards the music loop: the chosen track restarts on "stopped", the others stop, titles match exactly.
TEST(Music, TheChosenTrackRestartsWhenStoppedAndSilencesTheOthers) {
    Harness h;
    h.noSpawns();
    h.globals.musicChoice = "Ice Cap Act 1", h.clearSounds(), h.advanceMs(100);
    EXPECT_EQ(h.plays(h.snd.music[9]), 0) << "an unanswered status is not \"stopped\"";
    h.audio.answers[h.snd.music[9].fileName()].mode = TrackMode::Stopped, h.advanceMs(100);
    EXPECT_EQ(h.plays(h.snd.music[9]), 1);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(h.stops(h.snd.music[i]), i == 9 ? 0 : 1) << i;
    h.globals.musicChoice = "ice cap act 1", h.clearSounds(), h.advanceMs(300);  // no title: nothing
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(h.plays(h.snd.music[i]), 0);
}
