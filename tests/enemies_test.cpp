// Small enemies: spawning and waves, driving in, the firing pass, shots and
// rams against the player.
#include <gtest/gtest.h>

#include <cmath>

#include "game/Phases.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {
int rowFrom(Random& r) { return int(std::floor(r.next() * 240)) + 36; }
}  // namespace

TEST(Spawning, FirstFromTheRightThenLeftAndTheyStopAtThreeAnd293) {
    Harness h;
    Random ref;  // the same fixed seed as the harness
    h.tick();
    ASSERT_EQ(h.g.right.count, 1);
    EXPECT_EQ(h.g.left.count, 0);
    EXPECT_EQ(h.g.right.x[0], 361);
    EXPECT_EQ(h.g.right.y[0], rowFrom(ref));
    EXPECT_EQ(h.g.right.shotX[0], 299);
    EXPECT_EQ(h.g.right.shotY[0], h.g.right.y[0] + 4);
    EXPECT_EQ(h.g.right.state[0], "Alive Right");
    EXPECT_EQ(h.g.right.upperBound(), 1) << "one spare slot";
    h.tick();
    ASSERT_EQ(h.g.left.count, 1);
    EXPECT_EQ(h.g.left.x[0], -33);
    EXPECT_EQ(h.g.left.y[0], rowFrom(ref));
    EXPECT_EQ(h.g.left.shotX[0], -1);
    EXPECT_EQ(h.g.enemiesOnField, 2);
    h.tick();
    EXPECT_FALSE(h.g.spawnOpen) << "a level-1 wave is two";
    EXPECT_EQ(h.g.left.count + h.g.right.count, 2);
    // Left spawned on tick 2 reaches 3 after 9 moves (tick 11); right after 17 (tick 18).
    h.tick(7);  // tick 10
    EXPECT_EQ(h.g.left.x[0], -1);
    h.tick();   // tick 11
    EXPECT_EQ(h.g.left.x[0], 3);
    h.tick(6);  // tick 17
    EXPECT_EQ(h.g.right.x[0], 297);
    h.tick();   // tick 18
    EXPECT_EQ(h.g.right.x[0], 293);
    h.tick();
    EXPECT_EQ(h.g.left.x[0], 3);
    EXPECT_EQ(h.g.right.x[0], 293);
}

TEST(Spawning, MemberValuesAndWaveSizeFollowTheLevel) {
    struct Case { int level, attack, defence, hp, wave; };
    for (Case c : {Case{1, 1, 0, 1, 2}, Case{2, 2, 2, 2, 3}, Case{5, 3, 3, 5, 6},
                   Case{13, 7, 7, 13, 14}, Case{20, 11, 11, 20, 14}}) {
        Harness h;
        h.g.level = c.level;
        // One below the wave: the attempt spawns (the groups are empty, so no row blocks).
        h.g.enemiesOnField = c.wave - 1;
        spawnEnemy(h.w());
        ASSERT_EQ(h.g.right.count, 1) << "level " << c.level;
        EXPECT_EQ(h.g.enemiesOnField, c.wave);
        EXPECT_EQ(h.g.right.attack[0], c.attack) << "level " << c.level;
        EXPECT_EQ(h.g.right.defense[0], c.defence);
        EXPECT_EQ(h.g.right.hp[0], c.hp);
        EXPECT_GE(h.g.right.y[0], 36);
        EXPECT_LE(h.g.right.y[0], 275);
        EXPECT_TRUE(h.g.spawnOpen);
        // At the wave size: nothing, and the wave closes.
        spawnEnemy(h.w());
        EXPECT_EQ(h.g.left.count, 0);
        EXPECT_FALSE(h.g.spawnOpen);
    }
}

TEST(Spawning, ABlockedRowSpawnsNothingAndFlipsTheSide) {
    Harness h;
    // Right-group members at these rows block every row 36..275.
    for (int y : {50, 110, 170, 230, 270}) h.addEnemy(false, 293, y);
    h.g.enemiesOnField = 0;
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.right.count, 5);
    EXPECT_GT(h.g.spawnBlocked, 0);
    EXPECT_TRUE(h.g.spawnLeftNext);
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.left.count, 1) << "the next attempt tries the other side";
    EXPECT_FALSE(h.g.spawnLeftNext);
}

TEST(Spawning, ParkedDestroyedSlotsDoNotBlockButLiveRowsDo) {
    Harness h;
    Random ref;
    const int row = rowFrom(ref);
    h.addEnemy(false, 293, row + 33, "");  // destroyed but still at its row: blocks
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.spawnBlocked, 1);
    EXPECT_EQ(h.g.right.count, 1);
    h.g.right.y[0] = -1111;
    h.g.spawnLeftNext = false;
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.right.count, 2);
}

TEST(Spawning, ReopensOnlyWhenTheWaveIsGone) {
    Harness h;
    h.tick(3);
    ASSERT_FALSE(h.g.spawnOpen);
    h.g.enemiesOnField = 1;  // one of the two destroyed
    h.tick(5);
    EXPECT_EQ(h.g.left.count + h.g.right.count, 2);
    EXPECT_FALSE(h.g.spawnOpen);
    h.g.enemiesOnField = 0;  // both gone: a new wave of two
    h.tick(20);
    EXPECT_EQ(h.g.left.count + h.g.right.count, 4);
    EXPECT_EQ(h.g.enemiesOnField, 2);
    EXPECT_FALSE(h.g.spawnOpen);
}

namespace {

// A quiet field whose next tick runs a firing pass.
struct FiringHarness : Harness {
    FiringHarness() {
        noSpawns();
        tick(2);
        g.tickCycle = 19;
        g.playerY = 0;
    }
};

}  // namespace

TEST(FiringPass, GroupsTakeTurnsUpToLevelPlusOneShots) {
    FiringHarness h;
    h.addEnemy(true, 3, 100);
    h.addEnemy(true, 3, 150);
    h.addEnemy(false, 293, 200);
    h.clearSounds();
    h.tick();
    EXPECT_EQ(h.g.enemyShotsInAir, 2);
    EXPECT_EQ(h.g.left.shotState[0], "Shoot");
    EXPECT_EQ(h.g.left.shotState[1], "");
    EXPECT_EQ(h.g.right.shotState[0], "Shoot");
    EXPECT_FALSE(h.g.rightGroupTurn) << "the right group fired last";
    EXPECT_EQ(h.plays(h.snd.sndEnemyShot), 2);
    EXPECT_EQ(h.g.left.state[0], "Alive Left") << "the firing pose shows for one tick";
    EXPECT_EQ(h.countOps(Pic::enemyrightshot), 1);
    EXPECT_EQ(h.countOps(Pic::enemyleftshot), 1);
    h.tick(20);
    EXPECT_EQ(h.g.enemyShotsInAir, 2) << "the shots are still flying: no more";
    EXPECT_EQ(h.plays(h.snd.sndEnemyShot), 2);
}

TEST(FiringPass, NeverMoreThanFourteenShots) {
    FiringHarness h;
    h.g.level = 20;
    for (int i = 0; i < 10; ++i) {
        h.addEnemy(true, 3, 60 + 20 * i);
        h.addEnemy(false, 293, 60 + 20 * i);
    }
    h.clearSounds();
    h.tick();
    EXPECT_EQ(h.g.enemyShotsInAir, 14);
    EXPECT_EQ(h.plays(h.snd.sndEnemyShot), 14);
    int left = 0, right = 0;
    for (int i = 0; i < 10; ++i) {
        left += h.g.left.shotState[i] == "Shoot";
        right += h.g.right.shotState[i] == "Shoot";
    }
    EXPECT_EQ(left, 7) << "alternating, left first";
    EXPECT_EQ(right, 7);
}

TEST(FiringPass, AnEmptyGroupPassesTheTurnAndMembersOffTheFieldDoNotFire) {
    FiringHarness h;
    h.g.level = 5;
    h.addEnemy(true, 3, 100, "");       // destroyed
    h.addEnemy(false, 293, 120);
    h.addEnemy(false, 293, 180);
    h.addEnemy(false, 301, 240);        // still driving in
    h.tick();
    EXPECT_EQ(h.g.right.shotState[0], "Shoot");
    EXPECT_EQ(h.g.right.shotState[1], "Shoot");
    EXPECT_EQ(h.g.right.shotState[2], "");
    EXPECT_EQ(h.g.enemyShotsInAir, 2);
    EXPECT_TRUE(h.g.rightGroupTurn) << "the empty left group handed the turn back last";
}

TEST(FiringPass, ALeftMemberStillDrivingInDoesNotFire) {
    FiringHarness h;
    h.addEnemy(true, -5, 100);
    h.tick();  // drives to -1 before the pass? No: the pass (step 5) runs before driving (15)
    EXPECT_EQ(h.g.enemyShotsInAir, 0);
    EXPECT_EQ(h.g.left.x[0], -1);
}

TEST(EnemyShotDamage, DefenceAgainstAttack) {
    struct Case { int defence, attack, hpAfter; };
    for (Case c : {Case{3, 2, 4}, Case{1, 4, 2}, Case{0, 1, 4}, Case{4, 4, 4}}) {
        FiringHarness h;
        h.g.tickCycle = 5;
        h.g.playerDefense = c.defence;
        const int n = h.addEnemy(true, 3, 150);
        h.g.left.attack[n] = c.attack;
        h.g.left.shotState[n] = "Shoot";
        h.g.left.shotX[n] = 170;
        h.g.left.shotY[n] = 10;
        h.g.enemyShotsInAir = 1;
        h.tick();
        EXPECT_EQ(h.g.playerHP, c.hpAfter) << "defence " << c.defence << " attack " << c.attack;
        EXPECT_EQ(h.g.playerState, "Flashing");
        EXPECT_EQ(h.g.left.shotState[n], "");
        EXPECT_EQ(h.g.left.shotX[n], 35) << "back to its owner's muzzle";
        EXPECT_EQ(h.g.left.shotY[n], 10) << "y unchanged";
        EXPECT_EQ(h.g.enemyShotsInAir, 0);
    }
}

TEST(Rams, LeftRamZeroesTheHPRightRamLeavesIt) {
    for (bool fromLeft : {true, false}) {
        FiringHarness h;
        h.g.tickCycle = 5;
        h.g.playerX = -8;
        h.g.playerY = 40;
        h.g.playerHP = 4;
        // Still driving in (x < 0): its bottom-right corner is inside the player.
        const int n = h.addEnemy(fromLeft, -9, 50);
        h.clearSounds();
        h.tick();
        const EnemyGroup& grp = fromLeft ? h.g.left : h.g.right;
        EXPECT_EQ(h.g.playerState, "Explode");
        EXPECT_EQ(h.g.playerHP, fromLeft ? 0 : 4);
        EXPECT_EQ(grp.hp[n], 0);
        EXPECT_EQ(grp.state[n], fromLeft ? "Explode2 Left" : "Explode2 Right");
        EXPECT_EQ(h.g.enemiesOnField, 13);
        EXPECT_EQ(h.g.score, 0) << "a ram pays nothing";
        EXPECT_EQ(h.g.money, 0);
        EXPECT_EQ(h.plays(h.snd.sndExplosion), 1);
        h.tick();
        EXPECT_EQ(h.w().Caption, fromLeft ? "Level:1 Score:0 Lives:5 HP:0 $0"
                                          : "Level:1 Score:0 Lives:5 HP:4 $0");
    }
}

TEST(Rams, AFiringPoseDoesNotRamAndAnExplodingPlayerIsNotRammed) {
    FiringHarness h;
    h.g.tickCycle = 5;
    h.g.playerX = 2;
    h.g.playerY = 40;
    const int n = h.addEnemy(true, 3, 50, "Shoot Left");
    h.tick();
    EXPECT_EQ(h.g.playerState, "Alive");
    EXPECT_EQ(h.g.left.state[n], "Alive Left") << "the pose ended in the drawing";
    h.g.playerState = "Explode";
    h.g.explodeFrame = 0;
    h.tick();
    EXPECT_EQ(h.g.left.state[n], "Alive Left");
    EXPECT_EQ(h.g.enemiesOnField, 14);
}
