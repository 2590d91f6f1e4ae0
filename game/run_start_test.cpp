// Loading the game window: the sounds it opens and the values a run starts with.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"
#include "tests/support/Invariants.h"

using namespace vrh;
using namespace vrh::test;

// Guards the starting values not pinned by the caption, tick and player tests, the timers and the track.
TEST(RunStart, FirstRunStartsWithTheNewRunValuesTimersAndTrackSix) {
    Harness h;
    const GameState& g = h.g;
    EXPECT_EQ(g.playerMaxHP, 5);
    EXPECT_EQ(g.attackPower, 1);
    EXPECT_EQ(g.playerDefense, 0);
    EXPECT_EQ(g.gunType, "Regular");
    EXPECT_EQ(g.shotType, "Regular");
    EXPECT_EQ(g.extraLifePoints, 0.0);
    EXPECT_TRUE(h.w().moveTimer.Enabled());
    EXPECT_TRUE(h.w().musicTimer.Enabled());
    EXPECT_FALSE(h.w().pauseTimer.Enabled());
    EXPECT_FALSE(h.w().tankShotTimer.Enabled());
    EXPECT_FALSE(h.w().levelUpTimer.Enabled());
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(h.plays(h.snd.music[i]), i == 6 ? 1 : 0) << "track " << i;
}

// Guards a run after a game over inheriting the last run's values (a few frames are kept by design).
TEST(RunStart, SecondRunAfterAGameOverStartsAfreshButKeepsTheUnresetFields) {
    Harness h, fresh;
    GameState& g = h.g;
    h.tick(60);
    g.score = 1234;
    g.money = 77;
    g.level = 6;
    g.playerMaxHP = 9;
    g.attackPower = 4;
    g.gunType = "Ninja";
    g.playerX = 22;
    g.facingLeft = true;
    g.facingRight = false;
    g.tankMaxHP = 600;
    g.extraLifeStep = 6000;
    g.carried.volleyShotFlying = {true, false, true, false};
    g.carried.explodeFrame = 2;
    g.lives = 0;
    h.tick();
    ASSERT_TRUE(h.w().finished());
    const int frameBefore = g.carried.playerFrame;

    h.newRun();
    EXPECT_EQ(g.carried.playerFrame, frameBefore) << "animation frames are not reset";
    EXPECT_EQ(g.carried.explodeFrame, 2);
    EXPECT_TRUE(g.carried.volleyShotFlying[0]);
    EXPECT_EQ(g.left.count + g.right.count, 0);
    // Everything else as in a first run, once the kept frames and slot arrays are set aside.
    GameState seen = g;
    for (GameState* s : {&seen, &fresh.g}) {
        s->carried.playerFrame = s->carried.shotFrame = s->carried.volleyFrame = s->carried.explodeFrame = 0;
        s->carried.volleyShotFlying = {};
        s->left = s->right = EnemyGroup{};
    }
    EXPECT_EQ(describeState(seen), describeState(fresh.g));
    EXPECT_EQ(g.extraLifeStep, 1000);
    EXPECT_FALSE(g.facingLeft);
    EXPECT_EQ(g.earthTileX, fresh.g.earthTileX);
    EXPECT_EQ(g.volleyX, fresh.g.volleyX);
    h.tick();
    EXPECT_EQ(h.w().Caption, "Level:1 Score:0 Lives:5 HP:5 $0");
}

// Guards a loaded later level getting its own tank or life price before the first level change.
TEST(RunStart, ALoadedLaterLevelStillHasAFirstLevelTankAndLifePrice) {
    Harness h;
    h.g.level = 4;  // as the slot loader leaves it after the load
    h.g.lives = 2;
    h.noSpawns();
    h.g.extraLifePoints = 99.5;
    h.tick();
    EXPECT_EQ(h.g.tankMaxHP, 100);
    EXPECT_EQ(h.g.lives, 2) << "99.5 points are below the price of 100";
    h.g.extraLifePoints = 100;
    h.tick();
    EXPECT_EQ(h.g.lives, 3);
    EXPECT_EQ(h.w().Caption, "Level:4 Score:0 Lives:2 HP:5 $0") << "the caption lags one tick";
}
