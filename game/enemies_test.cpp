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

// Spawn side order, positions, rows from the shared random stream, and where they stop.
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
    EXPECT_EQ(h.g.right.state[0], EnemyState::Alive);
    h.tick();
    ASSERT_EQ(h.g.left.count, 1);
    EXPECT_EQ(h.g.left.x[0], -33);
    EXPECT_EQ(h.g.left.y[0], rowFrom(ref));
    EXPECT_EQ(h.g.left.shotX[0], -1);
    h.tick();
    EXPECT_FALSE(h.g.spawnOpen) << "a level-1 wave is two";
    EXPECT_EQ(h.g.left.count + h.g.right.count, 2);
    // Left (spawned on tick 2) reaches 3 on tick 11; right on tick 18.
    h.tick(7);
    EXPECT_EQ(h.g.left.x[0], -1);
    h.tick();
    EXPECT_EQ(h.g.left.x[0], 3);
    h.tick(6);
    EXPECT_EQ(h.g.right.x[0], 297);
    h.tick(2);
    EXPECT_EQ(h.g.left.x[0], 3);
    EXPECT_EQ(h.g.right.x[0], 293);
}

// Attack, defence, HP and wave size by level.
TEST(Spawning, MemberValuesAndWaveSizeFollowTheLevel) {
    struct Case { int level, attack, defence, hp, wave; };
    for (Case c : {Case{1, 1, 0, 1, 2}, Case{2, 2, 2, 2, 3}, Case{5, 3, 3, 5, 6},
                   Case{13, 7, 7, 13, 14}, Case{20, 11, 11, 20, 14}}) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        Harness h;
        h.g.level = c.level;
        h.g.enemiesOnField = c.wave - 1;  // one below the wave: this attempt spawns
        spawnEnemy(h.w());
        ASSERT_EQ(h.g.right.count, 1);
        EXPECT_EQ(h.g.enemiesOnField, c.wave);
        EXPECT_EQ(h.g.right.attack[0], c.attack);
        EXPECT_EQ(h.g.right.defense[0], c.defence);
        EXPECT_EQ(h.g.right.hp[0], c.hp);
        EXPECT_TRUE(h.g.spawnOpen);
        spawnEnemy(h.w());  // at the wave size: nothing, and the wave closes
        EXPECT_EQ(h.g.left.count, 0);
        EXPECT_FALSE(h.g.spawnOpen);
    }
}

// A row blocked by a member spawns nothing, and the next attempt tries the other side.
TEST(Spawning, ABlockedRowSpawnsNothingAndFlipsTheSide) {
    Harness h;
    for (int y : {50, 110, 170, 230, 270}) h.addEnemy(false, 293, y);  // block every row 36..275
    h.g.enemiesOnField = 0;
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.right.count, 5);
    EXPECT_GT(h.g.carried.spawnBlocked, 0);
    EXPECT_TRUE(h.g.spawnLeftNext);
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.left.count, 1);
    EXPECT_FALSE(h.g.spawnLeftNext);
}

// A destroyed slot still at its row blocks; one parked at -1111 does not.
TEST(Spawning, ParkedDestroyedSlotsDoNotBlockButLiveRowsDo) {
    Harness h;
    Random ref;
    h.addEnemy(false, 293, rowFrom(ref) + 33, EnemyState::Gone);
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.carried.spawnBlocked, 1);
    EXPECT_EQ(h.g.right.count, 1);
    h.g.right.y[0] = -1111;
    h.g.spawnLeftNext = false;
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.right.count, 2);
}

// Spawning reopens only when the whole wave is gone.
TEST(Spawning, ReopensOnlyWhenTheWaveIsGone) {
    Harness h;
    h.tick(3);
    ASSERT_FALSE(h.g.spawnOpen);
    h.g.enemiesOnField = 1;
    h.tick(5);
    EXPECT_EQ(h.g.left.count + h.g.right.count, 2);
    EXPECT_FALSE(h.g.spawnOpen);
    h.g.enemiesOnField = 0;
    h.tick(20);
    EXPECT_EQ(h.g.left.count + h.g.right.count, 4);
    EXPECT_EQ(h.g.enemiesOnField, 2);
    EXPECT_FALSE(h.g.spawnOpen);
}

// Groups alternate, level + 1 shots at most, no new pass while shots fly; pose lasts a tick.
TEST(FiringPass, GroupsTakeTurnsUpToLevelPlusOneShots) {
    FiringHarness h;
    h.addEnemy(true, 3, 100);
    h.addEnemy(true, 3, 150);
    h.addEnemy(false, 293, 200);
    h.clearSounds();
    h.tick();
    EXPECT_EQ(h.g.enemyShotsInAir, 2);
    EXPECT_TRUE(h.g.left.shotFlying[0]);
    EXPECT_FALSE(h.g.left.shotFlying[1]);
    EXPECT_TRUE(h.g.right.shotFlying[0]);
    EXPECT_FALSE(h.g.rightGroupTurn) << "the right group fired last";
    EXPECT_EQ(h.plays(h.snd.enemyShotSound), 2);
    EXPECT_EQ(h.g.left.state[0], EnemyState::Alive);
    EXPECT_EQ(h.countOps(Pic::enemyrightshot), 1);
    EXPECT_EQ(h.countOps(Pic::enemyleftshot), 1);
    h.tick(20);
    EXPECT_EQ(h.g.enemyShotsInAir, 2) << "the shots are still flying: no more";
    EXPECT_EQ(h.plays(h.snd.enemyShotSound), 2);
}

// An empty group hands the turn back; members still driving in (either side) hold fire.
TEST(FiringPass, AnEmptyGroupPassesTheTurnAndMembersOffTheFieldDoNotFire) {
    FiringHarness h;
    h.g.level = 5;
    h.addEnemy(true, 3, 100, EnemyState::Gone);  // destroyed
    h.addEnemy(false, 293, 120);
    h.addEnemy(false, 293, 180);
    h.addEnemy(false, 301, 240);  // still driving in
    h.tick();
    EXPECT_TRUE(h.g.right.shotFlying[0]);
    EXPECT_TRUE(h.g.right.shotFlying[1]);
    EXPECT_FALSE(h.g.right.shotFlying[2]);
    EXPECT_EQ(h.g.enemyShotsInAir, 2);
    EXPECT_TRUE(h.g.rightGroupTurn);

    FiringHarness l;
    l.addEnemy(true, -5, 100);
    l.tick();  // the pass runs before the driving step
    EXPECT_EQ(l.g.enemyShotsInAir, 0);
    EXPECT_EQ(l.g.left.x[0], -1);
}

// Damage to the player is attack - defence, at least one; the shot returns to the muzzle.
TEST(EnemyShotDamage, DefenceAgainstAttack) {
    struct Case { int defence, attack, hpAfter; };
    for (Case c : {Case{3, 2, 4}, Case{1, 4, 2}, Case{0, 1, 4}, Case{4, 4, 4}}) {
        SCOPED_TRACE("defence " + std::to_string(c.defence) + " attack " + std::to_string(c.attack));
        FiringHarness h;
        h.g.tickCycle = 5;
        h.g.playerDefense = c.defence;
        const int n = h.addEnemy(true, 3, 150);
        h.g.left.attack[n] = c.attack;
        h.g.left.shotFlying[n] = true;
        h.g.left.shotX[n] = 170;
        h.g.left.shotY[n] = 10;
        h.g.enemyShotsInAir = 1;
        h.tick();
        EXPECT_EQ(h.g.playerHP, c.hpAfter);
        EXPECT_EQ(h.g.playerState, PlayerState::Flashing);
        EXPECT_FALSE(h.g.left.shotFlying[n]);
        EXPECT_EQ(h.g.left.shotX[n], 35) << "back to its owner's muzzle";
        EXPECT_EQ(h.g.left.shotY[n], 10);
        EXPECT_EQ(h.g.enemyShotsInAir, 0);
    }
}

// A ram explodes both; only a left-group ram zeroes the HP; rams pay nothing.
TEST(Rams, LeftRamZeroesTheHPRightRamLeavesIt) {
    for (bool fromLeft : {true, false}) {
        SCOPED_TRACE(fromLeft ? "left" : "right");
        FiringHarness h;
        h.g.tickCycle = 5;
        h.g.playerX = -8;
        h.g.playerY = 40;
        h.g.playerHP = 4;
        const int n = h.addEnemy(fromLeft, -9, 50);  // driving in, bottom-right corner inside the player
        h.clearSounds();
        h.tick();
        const EnemyGroup& grp = fromLeft ? h.g.left : h.g.right;
        EXPECT_EQ(h.g.playerState, PlayerState::Exploding);
        EXPECT_EQ(h.g.playerHP, fromLeft ? 0 : 4);
        EXPECT_EQ(grp.hp[n], 0);
        EXPECT_EQ(grp.state[n], EnemyState::Explode2);
        EXPECT_EQ(h.g.enemiesOnField, 13);
        EXPECT_EQ(h.g.score, 0);
        EXPECT_EQ(h.g.money, 0);
        EXPECT_EQ(h.plays(h.snd.explosionSound), 1);
    }
}

// A firing pose cannot ram, and an exploding player cannot be rammed.
TEST(Rams, AFiringPoseDoesNotRamAndAnExplodingPlayerIsNotRammed) {
    FiringHarness h;
    h.g.tickCycle = 5;
    h.g.playerX = 2;
    h.g.playerY = 40;
    const int n = h.addEnemy(true, 3, 50, EnemyState::Shooting);
    h.tick();
    EXPECT_EQ(h.g.playerState, PlayerState::Alive);
    EXPECT_EQ(h.g.left.state[n], EnemyState::Alive) << "the pose ended in the drawing";
    h.g.playerState = PlayerState::Exploding;
    h.g.carried.explodeFrame = 0;
    h.tick();
    EXPECT_EQ(h.g.left.state[n], EnemyState::Alive);
    EXPECT_EQ(h.g.enemiesOnField, 14);
}
