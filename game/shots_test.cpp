// The player's shot: the box test, pictures and sizes, flight, leaving the
// field, hits on small enemies and on the big tank; the enemies' shots.
#include <gtest/gtest.h>

#include "game/Shots.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// A quiet field with the controls armed.
struct Armed : Harness {
    Armed() {
        noSpawns();
        tick(2);
    }
    // Puts the player's shot in flight to the right at (x, y) and runs a tick.
    void shootFrom(int x, int y) {
        g.shotInFlight = 1;
        g.carried.shotRight = true;
        g.shotX = x;
        g.shotY = y;
        tick();
    }
};

}  // namespace

// Only the top-left and bottom-right corners count, bounds included, fractions exact.
TEST(BoxHit, CornersInsideTheFirstBoxCountBoundsIncluded) {
    GameState g;
    EXPECT_TRUE(boxHit(g, 0, 0, 33, 24, 33, 24, 14, 14));
    EXPECT_TRUE(g.carried.hitFlag);
    EXPECT_TRUE(boxHit(g, 100, 100, 33, 24, 86, 86, 14, 14));
    EXPECT_FALSE(boxHit(g, 100, 100, 33, 24, 90, 110, 14, 14 + 20)) << "top-right corner only";
    EXPECT_FALSE(g.carried.hitFlag) << "the test clears the flag first";
    EXPECT_FALSE(boxHit(g, 100, 100, 33, 24, 120, 90, 20, 14)) << "bottom-left corner only";
    EXPECT_FALSE(boxHit(g, 0, 0, 33, 24, 34, 10, 5, 5)) << "one pixel beyond";
    EXPECT_FALSE(boxHit(g, 162, 0, 33, 42, 195.09, 26, 14, 14));
    EXPECT_TRUE(boxHit(g, 162, 0, 33, 42, 195.0, 26, 14, 14));
}

// Wrong picture, mask or hit-box size for a gun and shot; frames not alternating.
TEST(ShotPictures, LaunchDrawsTheRightPictureAtItsMeasuredSquareSize) {
    struct Case { const char* gun; const char* shot; Pic picture, mask; int size; };
    const Case cases[] = {
        {"Regular", "Regular", Pic::shot, Pic::shotmask, 14},   {"Regular", "Mega", Pic::shot2, Pic::shot2mask, 14},
        {"Regular", "Giga", Pic::shot3, Pic::shot3mask, 18},    {"Regular", "Omega", Pic::shot4, Pic::shot4mask, 18},
        {"Ninja", "Regular", Pic::imgnsr, Pic::imgnsrm, 18},    {"Ninja", "Omega", Pic::imgnso, Pic::imgnsom, 20},
        {"Shocker", "Giga", Pic::imgssg, Pic::imgssgm, 18},     {"Psychic", "Mega", Pic::imgpsm, Pic::imgpsmm, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gun) + " " + c.shot);
        Armed h;
        h.g.gunType = c.gun;
        h.g.shotType = c.shot;
        h.hold(Button::A);
        h.tick();
        ASSERT_EQ(h.g.shotInFlight, 1);
        EXPECT_EQ(h.g.shotW, c.size);
        EXPECT_EQ(h.g.shotH, c.size);
        const auto ops = h.opsOf(c.picture);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].mask.pic, c.mask);
        EXPECT_EQ(ops[0].kind, DrawOp::Masked);
        EXPECT_EQ(std::make_tuple(ops[0].x, ops[0].y, ops[0].w, ops[0].h), std::make_tuple(185, 39, c.size, c.size));
        EXPECT_EQ(ops[0].picture.frame, h.g.carried.shotFrame - 1);
        EXPECT_EQ(ops[0].mask.frame, h.g.carried.shotFrame - 1);
        h.tick();
        ASSERT_EQ(h.opsOf(c.picture).size(), 1u);
        EXPECT_NE(h.opsOf(c.picture)[0].picture.frame, ops[0].picture.frame) << "frames alternate";
    }
}

// A gun name in the wrong case must neither crash the drawing nor change the size.
TEST(ShotPictures, AnUnknownCombinationDrawsNothingAndKeepsTheSize) {
    Armed h;
    h.g.gunType = "regular";
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.shotInFlight, 1);
    EXPECT_EQ(h.g.shotW, 14);
    EXPECT_EQ(h.countOps(Pic::shot), 0);
    EXPECT_FALSE(shotPictures("Ninja", "Ultra").has_value());
}

// The right-edge test uses width 14 whatever the picture; relaunch on the next tick.
TEST(ShotFlight, FallsSevenAndDriftsSevenAndLeavesAtTheRightEdgeWithWidth14) {
    Armed h;
    h.g.playerX = 292;
    h.g.shotHomeX = h.g.shotX = 308;
    h.g.gunType = "Ninja";
    h.g.shotType = "Omega";  // 20 px
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.shotX, 315);
    EXPECT_EQ(h.g.shotY, 39);
    h.tick();
    EXPECT_EQ(h.g.shotInFlight, 0) << "315 + 14 > 328";
    EXPECT_EQ(h.g.shotX, 308);
    EXPECT_EQ(h.g.shotY, 32);
    EXPECT_FALSE(h.g.carried.shotRight);
    EXPECT_EQ(h.plays(h.snd.playerShotSound), 1);
    h.tick();
    EXPECT_EQ(h.g.shotInFlight, 1) << "relaunched on the next tick";
    EXPECT_EQ(h.plays(h.snd.playerShotSound), 2);
}

// Facing left launches down-left; x = 178 - 7k is first below 0 on tick 26, left on 27.
TEST(ShotFlight, LeavesAtTheLeftEdgeAndReachesTheTankRow) {
    Armed h;
    h.g.facingLeft = true;
    h.g.facingRight = false;
    h.hold(Button::A);
    h.tick();
    EXPECT_TRUE(h.g.carried.shotLeft);
    EXPECT_FALSE(h.g.carried.shotRight);
    EXPECT_EQ(h.g.shotX, 178 - 7);
    EXPECT_EQ(h.g.shotY, 32 + 7);
    h.release(Button::A);
    int ticks = 1;
    for (; h.g.shotInFlight == 1 && ticks < 100; ++ticks) h.tick();
    EXPECT_EQ(ticks, 27);
    EXPECT_EQ(h.g.tankHP, 100);
}

// Payout, explosion stage and shot reset of a kill.
TEST(ShotHits, DamagePayoutAndExplosionOfASmallEnemy) {
    Armed h;
    const int n = h.addEnemy(false, 180, 100);  // right group, level 1: 1 HP
    h.clearSounds();
    h.shootFrom(190, 90);  // bottom-right corner (204, 104) inside the enemy
    EXPECT_EQ(h.g.right.state[n], EnemyState::Explode2) << "Explode1 drawn in the same tick";
    EXPECT_EQ(h.g.right.hp[n], 0);
    EXPECT_EQ(h.g.score, 5);
    EXPECT_EQ(h.g.money, 1);
    EXPECT_EQ(h.g.extraLifePoints, 0.5);
    EXPECT_EQ(h.g.enemiesOnField, 13);
    EXPECT_EQ(h.plays(h.snd.explosionSound), 1);
    EXPECT_EQ(h.g.shotInFlight, 0);
    EXPECT_EQ(h.g.shotX, h.g.shotHomeX);
    EXPECT_TRUE(h.g.carried.shotRight) << "a hit on an enemy leaves the direction flags";
}

// Damage is attack - defence, but at least one.
TEST(ShotHits, DefenceLowersTheDamageButAHitCostsAtLeastOne) {
    for (auto [attack, defence, hpAfter] : {std::tuple{3, 5, 9}, std::tuple{8, 5, 7}, std::tuple{2, 2, 9}}) {
        Armed h;
        const int n = h.addEnemy(true, 100, 100);
        h.g.left.hp[n] = 10;
        h.g.left.defense[n] = defence;
        h.g.attackPower = attack;
        h.shootFrom(100, 93);
        EXPECT_EQ(h.g.left.hp[n], hpAfter) << "attack " << attack << " defence " << defence;
        EXPECT_EQ(h.g.left.hit[n], 1) << "a survivor flashes";
        EXPECT_EQ(h.g.left.state[n], EnemyState::Alive);
        EXPECT_EQ(h.g.score, 0);
    }
}

// One shot hits one enemy (right group first), never a firing pose; A held relaunches at once.
TEST(ShotHits, RightGroupFirstAndTheShotIsRelaunchedAtOnceWithAHeld) {
    Armed h;
    const int l = h.addEnemy(true, 100, 100);
    const int r = h.addEnemy(false, 100, 100);
    const int shoot = h.addEnemy(false, 100, 100, EnemyState::Shooting);
    h.hold(Button::A);
    h.shootFrom(110, 110);
    EXPECT_EQ(h.g.right.hp[r], 0);
    EXPECT_EQ(h.g.left.hp[l], 1);
    EXPECT_EQ(h.g.right.hp[shoot], 1);
    EXPECT_EQ(h.g.shotInFlight, 1) << "relaunched in the same tick";
    EXPECT_EQ(h.g.shotX, 185);
    EXPECT_EQ(h.plays(h.snd.playerShotSound), 1);
}

// Tank damage picture by quarters of 100 HP, the per-hit payout, the flash on two ticks.
TEST(TankHits, DamagePicturesByQuarters) {
    const std::pair<int, int> cases[] = {{77, 0}, {76, 1}, {52, 1}, {51, 2}, {27, 2}, {26, 3}, {2, 3}};
    for (auto [before, picture] : cases) {
        Armed h;
        h.g.tankHP = before;
        h.shootFrom(100, 290);  // 297 after the flight step: below the tank's top row
        EXPECT_EQ(h.g.tankHP, before - 1);
        EXPECT_EQ(h.g.tankPicIndex, picture) << "at " << before - 1 << " HP";
        EXPECT_FALSE(h.g.tankShattered);
        EXPECT_EQ(h.g.score, 10);
        EXPECT_EQ(h.g.extraLifePoints, 1.0);
        EXPECT_EQ(h.g.shotInFlight, 0);
        EXPECT_FALSE(h.g.carried.shotRight);
        for (int flashes : {1, 1, 0}) {
            EXPECT_EQ(h.countOps(Pic::tankflash), flashes);
            EXPECT_EQ(h.countOps(Pic::tank), 1 - flashes);
            h.tick();
        }
    }
}

// Shattering pays level x 100, shows in the caption at once; a shattered tank takes no hits.
TEST(TankHits, ShatteringPaysTheLevelTimesHundredAndShowsItAtOnce) {
    Armed h;
    h.g.level = 3;
    h.g.money = 5;
    h.g.tankMaxHP = 300;
    h.g.attackPower = 4;
    h.g.tankHP = 3;
    h.shootFrom(100, 290);
    EXPECT_TRUE(h.g.tankShattered);
    EXPECT_EQ(h.g.tankHP, -1);
    EXPECT_EQ(h.g.money, 305);
    EXPECT_EQ(h.w().Caption, "Level:3 Score:10 Lives:5 HP:5 $305");
    EXPECT_EQ(h.countOps(Pic::tankShatter), 1);
    h.hold(Button::A);  // keeps the level change waiting
    h.shootFrom(100, 290);
    EXPECT_EQ(h.g.level, 3);
    EXPECT_EQ(h.g.score, 10);
}

// Enemy shots move 10 a tick and are re-armed at their owner's muzzle after leaving.
TEST(EnemyShots, FlyTenPerTickAndAreReArmedAfterLeavingTheField) {
    Armed h;
    const int l = h.addEnemy(true, 3, 250);
    const int r = h.addEnemy(false, 293, 200);
    h.g.left.shotFlying[l] = h.g.right.shotFlying[r] = true;
    h.g.left.shotX[l] = 300;
    h.g.right.shotX[r] = 15;
    h.g.enemyShotsInAir = 2;
    h.tick();
    EXPECT_EQ(h.g.left.shotX[l], 310);
    EXPECT_EQ(h.g.right.shotX[r], 5);
    EXPECT_EQ(h.countOps(Pic::enemyshot), 2);
    h.tick(2);  // left: 320, then 330; right: 5 > 0 -> -5, then re-armed
    EXPECT_FALSE(h.g.right.shotFlying[r]);
    EXPECT_EQ(h.g.right.shotX[r], 293);
    EXPECT_EQ(h.g.right.shotY[r], 204);
    EXPECT_EQ(h.g.left.shotX[l], 330);
    EXPECT_EQ(h.g.enemyShotsInAir, 1);
    h.tick();
    EXPECT_FALSE(h.g.left.shotFlying[l]);
    EXPECT_EQ(h.g.left.shotX[l], 35);
    EXPECT_EQ(h.g.enemyShotsInAir, 0);
}
