// The 16-bit policy at the limits: values saturate and the groups keep their spare slot.
#include <gtest/gtest.h>

#include "game/Compose.h"
#include "game/Phases.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

// Guards a full group growing past 32767 (or losing its spare slot) and the turn hand-over.
TEST(Limits, AGroupAtTheCountLimitTakesNoMoreAndTheOtherSideIsTried) {
    Harness h;
    EnemyGroup& grp = h.g.right;
    grp.resizeKeeping(32767);
    grp.count = 32767;
    for (int i = 0; i < 32767; ++i) {
        grp.state[i] = EnemyState::Gone;
        grp.y[i] = -1111;
    }
    spawnEnemy(h.w());
    EXPECT_EQ(grp.count, 32767);
    EXPECT_EQ(grp.upperBound(), 32767) << "the spare slot is still there";
    EXPECT_TRUE(h.g.spawnLeftNext) << "the attempt counts as blocked";
    EXPECT_EQ(h.g.enemiesOnField, 0);
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.left.count, 1);
    h.g.left.x[0] = 3;
    firingPass(h.w());
    EXPECT_EQ(h.g.enemyShotsInAir, 1);
    EXPECT_TRUE(h.g.left.shotFlying[0]);
    EXPECT_FALSE(h.g.rightGroupTurn) << "the all-empty right group hands the turn back";
}

// Guards score, money, lives and enemy HP wrapping at their limits.
TEST(Limits, TotalsSaturateInsteadOfWrapping) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.score = 2147483647 - 3;
    h.g.money = 2147483647;
    h.g.lives = 32767;
    h.g.extraLifePoints = 1000;
    const int n = h.addEnemy(false, 200, 100);
    h.g.attackPower = 32767;
    h.g.right.hp[n] = 1;
    h.g.shotInFlight = 1;
    h.g.carried.shotRight = true;
    h.g.shotX = 200;
    h.g.shotY = 93;
    h.tick();
    EXPECT_EQ(h.g.score, 2147483647);
    EXPECT_EQ(h.g.money, 2147483647);
    EXPECT_EQ(h.g.lives, 32767);
    EXPECT_EQ(h.g.right.hp[n], -32766) << "1 - 32767";
}

// Guards the player's HP wrapping to positive under a huge enemy shot.
TEST(Limits, EnemyShotDamageSaturatesAtTheLowerLimit) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.playerHP = -32760;
    h.g.playerState = PlayerState::Flashing;
    const int n = h.addEnemy(true, 3, 150);
    h.g.left.attack[n] = 32767;
    h.g.left.shotFlying[n] = true;
    h.g.left.shotX[n] = 170;
    h.g.left.shotY[n] = 10;
    h.g.enemyShotsInAir = 1;
    h.tick();
    EXPECT_EQ(h.g.playerHP, -32768);
    EXPECT_EQ(h.g.playerState, PlayerState::Exploding);
}

// Guards a background layer growing past 32767 tiles.
TEST(Limits, TilesStopBeingAddedAtTheCountLimit) {
    std::vector<double> xs(32768, 0.0);
    Int16 count = 32767;
    xs[5] = 0.5;  // reaches 0 now
    scrollLayer(xs, count);
    EXPECT_EQ(count, 32767);
    EXPECT_EQ(xs.size(), 32768u);
    EXPECT_EQ(xs[5], 0);
}
