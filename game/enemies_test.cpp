// Small enemies: spawning and waves, driving in, the firing pass, shots and rams against the player.
#include <gtest/gtest.h>

#include <cmath>

#include "game/Compose.h"
#include "game/Phases.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

int rowFrom(Random& r) { return int(std::floor(r.next() * 240)) + 36; }

// A quiet field whose next tick runs a firing pass (or, with tickCycle changed, does not).
struct FiringHarness : Harness {
    FiringHarness() { noSpawns(), tick(2), g.tickCycle = 19, g.playerY = 0; }
};

}  // namespace

// Guards attack, defence, HP and the wave size (level + 1, at most 14) by level.
TEST(Spawning, MemberValuesAndWaveSizeFollowTheLevel) {
    // The level and the wave size, then the new member's attack, defence and HP.
    for (auto [level, wave, want] :
         {std::tuple{1, 2, "1 0 1"}, std::tuple{2, 3, "2 2 2"}, std::tuple{5, 6, "3 3 5"},
          std::tuple{13, 14, "7 7 13"}, std::tuple{20, 14, "11 11 20"}}) {
        SCOPED_TRACE("level " + std::to_string(level));
        Harness h;
        h.g.level = level, h.g.enemiesOnField = wave - 1;  // one below the wave: this attempt spawns
        spawnEnemy(h.w());
        const EnemyGroup& r = h.g.right;
        ASSERT_EQ(r.count, 1);
        EXPECT_EQ(vals(h.g.enemiesOnField, h.g.spawnOpen, r.attack[0], r.defense[0], r.hp[0]),
                  vals(wave, 1, want));
        spawnEnemy(h.w());  // at the wave size: nothing, and the wave closes
        EXPECT_EQ(vals(h.g.left.count, h.g.spawnOpen), "0 0");
    }
}

// Guards blocked rows: any member at the row, even a destroyed one, blocks and flips the side.
TEST(Spawning, ABlockedRowSpawnsNothingAndFlipsTheSide) {
    Harness h;
    Random ref;
    h.addEnemy(false, 293, rowFrom(ref) + 33, EnemyState::Gone);
    spawnEnemy(h.w());
    EXPECT_EQ(vals(h.g.carried.spawnBlocked, h.g.right.count, h.g.spawnLeftNext), "1 1 1");
    spawnEnemy(h.w());
    EXPECT_EQ(vals(h.g.left.count, h.g.spawnLeftNext), "1 0");
    h.g.right.y[0] = -1111;
    spawnEnemy(h.w());
    EXPECT_EQ(h.g.right.count, 2);
}

// Guards the 16-bit limit: a full group takes no one more (the attempt flips the side), a full layer of
// background tiles adds none.
TEST(Spawning, AFullGroupOrTileLayerTakesNoMore) {
    Harness h;
    h.g.right.resizeKeeping(Int16::kMax), h.g.right.count = Int16::kMax;
    spawnEnemy(h.w());
    EXPECT_EQ(vals(h.g.right.count, h.g.right.x.size(), h.g.spawnLeftNext, h.g.enemiesOnField),
              "32767 32768 1 0");
    std::vector<double> tiles(Int16::kMax + 1, 1000.0);
    Int16 count = Int16::kMax;
    tiles[0] = 0.5, scrollLayer(tiles, count);  // the first tile reaches the left edge
    EXPECT_EQ(vals(count, tiles.size(), tiles[0], tiles.end()[-2]), "32767 32768 0 999.5") << "no tile added";
}

// Guards the pass once a second, turns, level + 1 shots, one shot each, and members driving in holding fire.
TEST(FiringPass, GroupsTakeTurnsUpToLevelPlusOneShots) {
    FiringHarness h;
    h.addEnemy(true, 3, 100);
    h.addEnemy(true, 3, 150);
    h.addEnemy(false, 293, 200);
    h.g.tickCycle = 9;
    h.tick();
    EXPECT_EQ(h.g.enemyShotsInAir, 0) << "only on the twentieth tick of the cycle";
    h.g.tickCycle = 19;
    h.clearSounds();
    h.tick();
    const EnemyGroup &left = h.g.left, &right = h.g.right;
    EXPECT_EQ(vals(h.g.enemyShotsInAir, left.shotFlying[0], left.shotFlying[1], right.shotFlying[0]),
              "2 1 0 1");
    EXPECT_EQ(vals(h.g.rightGroupTurn, h.plays(h.snd.enemyShotSound)), "0 2");
    EXPECT_EQ(vals(h.countOps(Pic::enemyrightshot), h.countOps(Pic::enemyleftshot)), "1 1");
    EXPECT_EQ(left.state[0], EnemyState::Alive) << "the pose lasts one tick";
    h.tick(20);
    EXPECT_EQ(h.plays(h.snd.enemyShotSound), 2) << "the shots are still flying: no more";
    FiringHarness e;
    e.g.level = 5;
    e.addEnemy(true, 3, 100, EnemyState::Gone);
    e.addEnemy(false, 293, 120);
    e.addEnemy(false, 293, 180);
    e.addEnemy(false, 301, 240);  // still driving in
    e.tick();
    EXPECT_EQ(vals(e.g.right.shotFlying[0], e.g.right.shotFlying[1], e.g.right.shotFlying[2],
                   e.g.enemyShotsInAir, e.g.rightGroupTurn),
              "1 1 0 2 1");
    FiringHarness l;
    l.addEnemy(true, -5, 100);
    l.tick();  // the pass runs before the driving step
    EXPECT_EQ(vals(l.g.enemyShotsInAir, l.g.left.x[0]), "0 -1");
    FiringHarness full;  // a late level: 14 shots in the air at most, whatever level + 1 allows
    full.g.level = 20, full.g.enemyShotsInAir = 14;
    full.addEnemy(true, 3, 100);
    full.tick();
    EXPECT_FALSE(full.g.left.shotFlying[0]);
}

// Guards the damage to the player (attack - defence, at least one) and the shot's return to its owner.
TEST(EnemyShots, DamageAndReturnToTheMuzzle) {
    struct Case {
        int defence, attack, hpAfter;
    };
    for (Case c : {Case{3, 2, 4}, Case{1, 4, 2}, Case{0, 1, 4}, Case{4, 4, 4}}) {
        SCOPED_TRACE("defence " + std::to_string(c.defence) + " attack " + std::to_string(c.attack));
        FiringHarness h;
        h.g.tickCycle = 5, h.g.playerDefense = c.defence;
        const int n = h.addEnemyShot(170, 10, c.attack);
        const EnemyGroup& l = h.g.left;
        h.tick();
        EXPECT_EQ(vals(h.g.playerHP, h.g.playerState), vals(c.hpAfter, "flashing"));
        EXPECT_EQ(vals(l.shotFlying[n], l.shotX[n], l.shotY[n], h.g.enemyShotsInAir), "0 35 10 0");
    }
}

// Guards rams: both explode, a left ram zeroes the HP, no pay, no ram while firing, shots hit first.
TEST(Rams, LeftRamZeroesTheHPRightRamLeavesIt) {
    for (int from : {0, 1, 2}) {
        SCOPED_TRACE(from);
        FiringHarness h;
        h.g.tickCycle = 5, h.g.playerX = -8, h.g.playerY = 40, h.g.playerHP = 4;
        const bool left = from != 1;
        const int n = h.addEnemy(left, -9, 50, from == 2 ? EnemyState::Shooting : EnemyState::Alive);
        if (from == 1) h.addEnemyShot(-3, 45);  // lands in the same tick: shots hit before the rams
        h.clearSounds();
        h.tick();
        const EnemyGroup& grp = left ? h.g.left : h.g.right;
        if (from == 2) {
            EXPECT_EQ(vals(h.g.playerState, grp.state[n]), "alive alive");
            continue;
        }
        EXPECT_EQ(vals(h.g.playerState, h.g.playerHP, grp.hp[n], grp.state[n]),
                  vals("exploding", left ? 0 : 3, "0 explode2"));
        EXPECT_EQ(vals(h.g.enemiesOnField, h.g.score, h.g.money, h.plays(h.snd.explosionSound)), "13 0 0 1");
    }
}
