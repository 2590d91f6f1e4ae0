// The tick as a whole: counters, the caption, extra lives, the end of a run.
#include <gtest/gtest.h>

#include "game/Phases.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

TEST(TickCounters, RunTheirCyclesAndArmTheControlsOnTheSecondTick) {
    Harness h;
    h.noSpawns();
    h.tick();
    EXPECT_EQ(h.g.tickCycle, 1);
    EXPECT_FALSE(h.g.controlsArmed) << "a new run ignores the pad in its first tick";
    EXPECT_EQ(h.g.enemyFrame, 2);
    h.tick();
    EXPECT_TRUE(h.g.controlsArmed);
    EXPECT_EQ(h.g.enemyFrame, 1) << "3 wraps back to 1 before drawing";
    h.tick(18);
    EXPECT_EQ(h.g.tickCycle, 20);
    h.tick();
    EXPECT_EQ(h.g.tickCycle, 1) << "21 wraps to 1";
    for (int i = 0; i < 7; ++i) {
        h.tick();
        EXPECT_TRUE(h.g.playerFrame == 1 || h.g.playerFrame == 2);
        EXPECT_TRUE(h.g.shotFrame == 1 || h.g.shotFrame == 2);
    }
    const int before = h.g.playerFrame;
    h.tick();
    EXPECT_NE(h.g.playerFrame, before) << "two-frame pictures alternate every tick";
    EXPECT_EQ(h.ticksRun(), 29);
}

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
    EXPECT_EQ(h.host.captions.size(), 2u) << "the host hears of changes only";
    h.tick();
    EXPECT_EQ(h.host.captions.size(), 2u);
}

TEST(ExtraLife, OneLifePerTickWhileThePointsLast) {
    Harness h;
    h.noSpawns();
    h.g.extraLifePoints = 250;  // price 1000 / 10 = 100
    h.tick();
    EXPECT_EQ(h.g.lives, 6);
    EXPECT_EQ(h.g.extraLifePoints, 150);
    h.tick();
    EXPECT_EQ(h.g.lives, 7);
    EXPECT_EQ(h.g.extraLifePoints, 50);
    h.tick();
    EXPECT_EQ(h.g.lives, 7);
    EXPECT_EQ(h.plays(h.snd.sndLevelUp), 2);
}

TEST(ExtraLife, PriceFollowsTheLifeStep) {
    Harness h;
    h.noSpawns();
    h.g.extraLifeStep = 3000;
    h.g.extraLifePoints = 299.5;
    h.tick();
    EXPECT_EQ(h.g.lives, 5);
    h.g.extraLifePoints = 300;
    h.tick();
    EXPECT_EQ(h.g.lives, 6);
    EXPECT_EQ(h.g.extraLifePoints, 0);
}

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
    MsgButton question(const std::string&, const std::string&) override { return MsgButton::No; }
    MsgButton notice(const std::string& text, const std::string& title) override {
        ++notices;
        lastText = text;
        lastTitle = title;
        if (whileOpen) whileOpen();
        return MsgButton::Ok;
    }
    std::string lastText, lastTitle;
};

}  // namespace

TEST(GameOver, RunsOnceEndsTheTickAndUnloadsTheWindow) {
    Harness h;
    h.tick(3);
    h.g.lives = 0;
    const auto spawnsBefore = h.g.right.count + h.g.left.count;
    const int tickCycleBefore = h.g.tickCycle;
    h.clearSounds();
    h.tick();
    EXPECT_EQ(h.g.playerState, "Dead");
    ASSERT_EQ(h.msg.shown().size(), 1u);
    EXPECT_FALSE(h.msg.shown()[0].isQuestion);
    EXPECT_EQ(h.msg.shown()[0].text, "Game Over");
    EXPECT_EQ(h.msg.shown()[0].title, kAppTitle);
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.host.unloads, 1);
    EXPECT_TRUE(h.w().finished());
    EXPECT_TRUE(h.w().unloaded());
    EXPECT_FALSE(h.globals.flags.gameShowing);
    EXPECT_FALSE(h.w().tmrMoves.Enabled());
    // The five effects were closed first, in their order, then the unload closed the tracks.
    std::vector<std::string> closes;
    for (const std::string& c : h.mci.commands)
        if (c.rfind("Close ", 0) == 0) closes.push_back(c.substr(6));
    ASSERT_GE(closes.size(), 15u);
    EXPECT_EQ(closes[0], h.paths.fileTankShot);
    EXPECT_EQ(closes[1], h.paths.fileExplosion);
    EXPECT_EQ(closes[2], h.paths.filePlayerShot);
    EXPECT_EQ(closes[3], h.paths.fileEnemyShot);
    EXPECT_EQ(closes[4], h.paths.fileLevelUp);
    EXPECT_EQ(closes[5], h.paths.fileBgm[1]);
    // Steps 5 on did not run in that tick.
    EXPECT_EQ(h.g.tickCycle, tickCycleBefore + 1) << "step 2 ran";
    EXPECT_EQ(h.g.right.count + h.g.left.count, spawnsBefore) << "no spawn after the end";
    EXPECT_EQ(h.host.presents, 3) << "no frame after the end";

    // Ticks that still arrive change nothing.
    h.w().tmrMoves_Timer();
    h.w().tmrMoves_Timer();
    h.tick(5);
    EXPECT_EQ(h.msg.shown().size(), 1u);
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.host.unloads, 1);
    EXPECT_EQ(h.g.tickCycle, tickCycleBefore + 1);
}

TEST(GameOver, TicksArrivingWhileTheBoxIsOpenDoNotRunItAgain) {
    Harness h;
    ReentrantBoxes boxes;
    GameWindow w(GameServices{h.g, h.globals, h.keys, h.snd, h.paths, boxes, h.rnd, h.fg, h.host,
                              h.self()});
    w.Form_Load();
    w.tmrMoves_Timer();
    h.g.lives = 0;
    int nested = 0;
    boxes.whileOpen = [&] {
        for (int i = 0; i < 3; ++i) {
            w.tmrMoves.setEnabled(true);  // e.g. the focus check thawing the game
            w.tmrMoves_Timer();
            w.tmrBGmusic_Timer();
            ++nested;
        }
    };
    w.tmrMoves_Timer();
    EXPECT_EQ(nested, 3);
    EXPECT_EQ(boxes.notices, 1);
    EXPECT_EQ(boxes.lastText, "Game Over");
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.host.unloads, 1);
}

TEST(GameOver, FollowsTheTickAfterTheLastLifeExplodes) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.lives = 1;
    h.g.playerState = "Explode";
    h.g.explodeFrame = 3;
    h.tick();  // frame 4 shown
    EXPECT_EQ(h.g.lives, 1);
    h.tick();  // fifth: blinking, the life is lost
    EXPECT_EQ(h.g.lives, 0);
    EXPECT_EQ(h.g.playerState, "Blinking");
    EXPECT_EQ(h.g.playerHP, h.g.playerMaxHP);
    EXPECT_EQ(h.host.highScores, 0);
    h.tick();
    EXPECT_EQ(h.w().Caption, "Level:1 Score:0 Lives:0 HP:5 $0");
    EXPECT_EQ(h.host.highScores, 1);
    EXPECT_EQ(h.g.playerState, "Dead");
}
