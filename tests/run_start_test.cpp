// Loading the game window: the sounds it opens and the values a run starts with.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

void expectNewRunValues(Harness& h) {
    const GameState& g = h.g;
    EXPECT_EQ(g.level, 1);
    EXPECT_EQ(g.score, 0);
    EXPECT_EQ(g.money, 0);
    EXPECT_EQ(g.lives, 5);
    EXPECT_EQ(g.playerHP, 5);
    EXPECT_EQ(g.playerMaxHP, 5);
    EXPECT_EQ(g.attackPower, 1);
    EXPECT_EQ(g.playerDefense, 0);
    EXPECT_EQ(g.gunType, "Regular");
    EXPECT_EQ(g.shotType, "Regular");
    EXPECT_EQ(g.extraLifePoints, 0.0);
    EXPECT_EQ(g.extraLifeStep, 1000);
    EXPECT_EQ(g.playerX, 162);
    EXPECT_EQ(g.playerY, 0);
    EXPECT_TRUE(g.facingRight);
    EXPECT_FALSE(g.facingLeft);
    EXPECT_FALSE(g.fireHeld);
    EXPECT_EQ(g.playerState, "Alive");
    EXPECT_EQ(g.blinkTicks, 0);
    EXPECT_EQ(g.flashTicks, 0);
    EXPECT_FALSE(g.controlsArmed);
    EXPECT_EQ(g.shotInFlight, 0);
    EXPECT_EQ(g.shotX, 178);
    EXPECT_EQ(g.shotY, 32);
    EXPECT_EQ(g.shotHomeX, 178);
    EXPECT_EQ(g.shotHomeY, 32);
    EXPECT_EQ(g.shotW, 14);
    EXPECT_EQ(g.shotH, 14);
    EXPECT_EQ(g.tankHP, 100);
    EXPECT_EQ(g.tankMaxHP, 100);
    EXPECT_EQ(g.tankY, 296);
    EXPECT_EQ(g.tankPicIndex, 0);
    EXPECT_FALSE(g.tankShattered);
    EXPECT_FALSE(g.tankFlashing);
    EXPECT_FALSE(g.volleyActive);
    EXPECT_EQ(g.volleyTimer, 0);
    EXPECT_EQ(g.volleyY, 310);
    EXPECT_EQ(g.volleyX, (std::array<double, 4>{11, 101, 218, 308}));
    EXPECT_EQ(g.volleyTicks, 81.75);
    EXPECT_EQ(g.left.count, 0);
    EXPECT_EQ(g.right.count, 0);
    EXPECT_EQ(g.enemiesOnField, 0);
    EXPECT_EQ(g.enemyShotsInAir, 0);
    EXPECT_TRUE(g.spawnOpen);
    EXPECT_FALSE(g.spawnLeftNext);
    EXPECT_FALSE(g.rightGroupTurn);
    EXPECT_EQ(g.tickCycle, 0);
    EXPECT_EQ(g.enemyFrame, 1);
    EXPECT_EQ(g.earthTileCount, 2);
    EXPECT_EQ(g.starsTileCount, 2);
    ASSERT_EQ(g.earthTileX.size(), 3u);
    EXPECT_EQ(g.earthTileX[0], -242);
    EXPECT_EQ(g.earthTileX[1], 238);
    EXPECT_EQ(g.starsTileX[0], -242);
    EXPECT_EQ(g.starsTileX[1], 238);
    EXPECT_TRUE(h.globals.flags.gameShowing);
}

}  // namespace

TEST(RunStart, FirstRunStartsWithTheNewRunValuesAndShowsThemOnTheFirstTick) {
    Harness h;
    expectNewRunValues(h);
    EXPECT_EQ(h.w().Caption, "Varnholt");
    EXPECT_TRUE(h.w().tmrMoves.Enabled());
    EXPECT_TRUE(h.w().tmrBGmusic.Enabled());
    EXPECT_FALSE(h.w().tmrPause.Enabled());
    EXPECT_FALSE(h.w().tmrTankShot.Enabled());
    EXPECT_EQ(h.w().tmrTankShot.Tag, "0");
    EXPECT_FALSE(h.w().tmrLevelup.Enabled());
    h.tick();
    EXPECT_EQ(h.w().Caption, "Level:1 Score:0 Lives:5 HP:5 $0");
    ASSERT_FALSE(h.host.captions.empty());
    EXPECT_EQ(h.host.captions.front(), "Level:1 Score:0 Lives:5 HP:5 $0");
}

TEST(RunStart, OpensTheTracksThenTheEffectsAndStartsTrackSix) {
    Harness h;
    std::vector<std::string> opens;
    for (const std::string& c : h.mci.commands)
        if (c.rfind("Open ", 0) == 0) opens.push_back(c);
    std::vector<std::string> expected;
    for (int i = 1; i <= 10; ++i) expected.push_back("Open " + h.paths.fileBgm[i] + " wait");
    for (const std::string* f : {&h.paths.fileExplosion, &h.paths.filePlayerShot, &h.paths.fileTankShot,
                                 &h.paths.fileEnemyShot, &h.paths.fileLevelUp, &h.paths.fileMenuMove})
        expected.push_back("Open " + *f + " wait");
    EXPECT_EQ(opens, expected);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(h.plays(h.snd.sndBgm[i]), i == 6 ? 1 : 0) << "track " << i;
}

TEST(RunStart, SecondRunAfterAGameOverStartsAfreshButKeepsTheUnresetFields) {
    Harness h;
    h.tick(60);
    // Leave a mess behind, then end the run.
    h.g.score = 1234;
    h.g.money = 77;
    h.g.level = 6;
    h.g.playerMaxHP = 9;
    h.g.attackPower = 4;
    h.g.gunType = "Ninja";
    h.g.playerX = 22;
    h.g.facingLeft = true;
    h.g.facingRight = false;
    h.g.tankMaxHP = 600;
    h.g.extraLifeStep = 6000;
    h.g.volleyState = {"Shoot", "", "Shoot", ""};
    h.g.explodeFrame = 2;
    h.g.lives = 0;
    h.tick();
    ASSERT_TRUE(h.w().finished());
    const int frameBefore = h.g.playerFrame;

    h.newRun();
    expectNewRunValues(h);
    EXPECT_EQ(h.g.playerFrame, frameBefore) << "animation frames are not reset";
    EXPECT_EQ(h.g.explodeFrame, 2) << "explodeFrame is not reset";
    EXPECT_EQ(h.g.volleyState[0], "Shoot") << "volleyState is not reset";
    h.tick();
    EXPECT_EQ(h.w().Caption, "Level:1 Score:0 Lives:5 HP:5 $0");
}

TEST(RunStart, ALoadedLaterLevelStillHasAFirstLevelTankAndLifePrice) {
    Harness h;
    // The slot loader overwrites its fields after the load.
    h.g.level = 4;
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
