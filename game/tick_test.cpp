// The tick as a whole: counters, the caption, extra lives, the end of a run.
#include <gtest/gtest.h>

#include "game/Phases.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

// tickCycle runs 1..20, enemyFrame wraps before drawing, two-frame pictures alternate.
TEST(TickCounters, RunTheirCyclesAndArmTheControlsOnTheSecondTick) {
    Harness h;
    h.noSpawns();
    h.tick();
    EXPECT_EQ(h.g.tickCycle, 1);
    EXPECT_FALSE(h.g.controlsArmed);
    EXPECT_EQ(h.g.enemyFrame, 2);
    h.tick();
    EXPECT_TRUE(h.g.controlsArmed);
    EXPECT_EQ(h.g.enemyFrame, 1) << "3 wraps back to 1 before drawing";
    h.tick(18);
    EXPECT_EQ(h.g.tickCycle, 20);
    const int before = h.g.carried.playerFrame;
    h.tick();
    EXPECT_EQ(h.g.tickCycle, 1) << "21 wraps to 1";
    EXPECT_NE(h.g.carried.playerFrame, before);
}

// The caption shows the values the previous tick left; the host hears of changes only.
TEST(TickCaption, ShowsTheValuesLeftByThePreviousTick) {
    Harness h;
    h.noSpawns();
    h.tick();
    h.g.score = 40;
    h.g.money = 1234567;
    h.g.playerHP = 3;
    EXPECT_EQ(h.w().Caption, "Level:1 Score:0 Lives:5 HP:5 $0");
    h.tick();
    EXPECT_EQ(h.w().Caption, "Level:1 Score:40 Lives:5 HP:3 $1234567");
    EXPECT_EQ(h.host.captions.size(), 2u);
    h.tick();
    EXPECT_EQ(h.host.captions.size(), 2u);
}

// At most one life per tick, priced at step / 10 points, each with the level-up sound.
TEST(ExtraLife, OneLifePerTickWhileThePointsLast) {
    Harness h;
    h.noSpawns();
    h.g.extraLifePoints = 250;  // price 1000 / 10 = 100
    for (auto [lives, left] : {std::pair{6, 150.0}, {7, 50.0}, {7, 50.0}}) {
        h.tick();
        EXPECT_EQ(h.g.lives, lives);
        EXPECT_EQ(h.g.extraLifePoints, left);
    }
    EXPECT_EQ(h.plays(h.snd.levelUpSound), 2);
    h.g.extraLifeStep = 3000;
    h.g.extraLifePoints = 299.5;
    h.tick();
    EXPECT_EQ(h.g.lives, 7) << "the price follows the life step";
    h.g.extraLifePoints = 300;
    h.tick();
    EXPECT_EQ(h.g.lives, 8);
    EXPECT_EQ(h.g.extraLifePoints, 0);
}

// A negative enemy count is put back to zero when the wave reopens.
TEST(WaveReset, ANegativeCountIsPutBackToZeroAndSpawningReopens) {
    Harness h;
    h.tick();
    h.g.enemiesOnField = -3;
    h.g.spawnOpen = false;
    reopenWave(h.g);
    EXPECT_EQ(h.g.enemiesOnField, 0);
    EXPECT_TRUE(h.g.spawnOpen);
}

namespace {

// A message box that lets ticks arrive while it is open, as a window system
// with a nested event loop does.
class ReentrantBoxes : public MessageBoxes {
public:
    std::function<void()> whileOpen;
    int notices = 0;
    std::string lastText;
    MsgButton question(const std::string&, const std::string&) override { return MsgButton::No; }
    MsgButton notice(const std::string& text, const std::string&) override {
        ++notices;
        lastText = text;
        if (whileOpen) whileOpen();
        return MsgButton::Ok;
    }
};

}  // namespace

// Game over runs once, closes the effects in order, and no later step of that tick runs.
TEST(GameOver, RunsOnceEndsTheTickAndUnloadsTheWindow) {
    Harness h;
    h.tick(3);
    h.g.lives = 0;
    const auto spawnsBefore = h.g.right.count + h.g.left.count;
    const int tickCycleBefore = h.g.tickCycle;
    h.clearSounds();
    h.tick();
    EXPECT_EQ(h.g.playerState, PlayerState::Dead);
    ASSERT_EQ(h.msg.shown().size(), 1u);
    EXPECT_FALSE(h.msg.shown()[0].isQuestion);
    EXPECT_EQ(h.msg.shown()[0].text, "Game Over");
    EXPECT_EQ(h.msg.shown()[0].title, kAppTitle);
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.host.unloads, 1);
    EXPECT_TRUE(h.w().finished());
    EXPECT_TRUE(h.w().unloaded());
    EXPECT_FALSE(h.globals.flags.gameShowing);
    EXPECT_FALSE(h.w().moveTimer.Enabled());
    // The five effects are closed first, in their order, then the unload closes the tracks.
    std::vector<std::string> closes;
    for (const std::string& c : h.audio.calls)
        if (c.rfind("close ", 0) == 0) closes.push_back(c.substr(6));
    ASSERT_GE(closes.size(), 15u);
    closes.resize(6);
    EXPECT_EQ(closes, (std::vector<std::string>{h.paths.fileTankShot, h.paths.fileExplosion, h.paths.filePlayerShot,
                                                h.paths.fileEnemyShot, h.paths.fileLevelUp, h.paths.fileBgm[1]}));
    EXPECT_EQ(h.g.tickCycle, tickCycleBefore + 1) << "step 2 ran";
    EXPECT_EQ(h.g.right.count + h.g.left.count, spawnsBefore) << "no spawn after the end";
    EXPECT_EQ(h.host.presents, 3) << "no frame after the end";
    // Ticks that still arrive change nothing.
    h.w().onMoveTick();
    h.w().onMoveTick();
    h.tick(5);
    EXPECT_EQ(h.msg.shown().size(), 1u);
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.host.unloads, 1);
    EXPECT_EQ(h.g.tickCycle, tickCycleBefore + 1);
}

// Ticks delivered by a nested event loop under the Game Over box do not end the run twice.
TEST(GameOver, TicksArrivingWhileTheBoxIsOpenDoNotRunItAgain) {
    Harness h;
    ReentrantBoxes boxes;
    GameWindow w(GameServices{h.g, h.globals, h.keys, h.snd, h.paths, boxes, h.rnd, h.fg, h.host, h.self()});
    w.onLoad();
    w.onMoveTick();
    h.g.lives = 0;
    int nested = 0;
    boxes.whileOpen = [&] {
        for (int i = 0; i < 3; ++i, ++nested) {
            w.moveTimer.setEnabled(true);  // e.g. the focus check thawing the game
            w.onMoveTick();
            w.onMusicTick();
        }
    };
    w.onMoveTick();
    EXPECT_EQ(nested, 3);
    EXPECT_EQ(boxes.notices, 1);
    EXPECT_EQ(boxes.lastText, "Game Over");
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.host.unloads, 1);
}

// The last life is lost on the fifth explosion tick; Game Over follows on the next.
TEST(GameOver, FollowsTheTickAfterTheLastLifeExplodes) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.lives = 1;
    h.g.playerState = PlayerState::Exploding;
    h.g.carried.explodeFrame = 3;
    h.tick();
    EXPECT_EQ(h.g.lives, 1);
    h.tick();
    EXPECT_EQ(h.g.lives, 0);
    EXPECT_EQ(h.g.playerState, PlayerState::Blinking);
    EXPECT_EQ(h.host.highScores, 0);
    h.tick();
    EXPECT_EQ(h.w().Caption, "Level:1 Score:0 Lives:0 HP:5 $0");
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.g.playerState, PlayerState::Dead);
}
