// The player's shot: the box test, pictures and sizes, flight, leaving the
// field, hits on small enemies and on the big tank; the enemies' shots.
#include <gtest/gtest.h>

#include "combat/Shots.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

TEST(BoxHit, CornersInsideTheFirstBoxCountBoundsIncluded) {
    GameState g;
    // Top-left corner exactly on the bottom-right edge of the first box.
    EXPECT_TRUE(boxHit(g, 0, 0, 33, 24, 33, 24, 14, 14));
    EXPECT_TRUE(g.hitFlag);
    // Bottom-right corner exactly on the top-left edge.
    EXPECT_TRUE(boxHit(g, 100, 100, 33, 24, 86, 86, 14, 14));
    // Overlapping with the top-right corner only: no hit.
    EXPECT_FALSE(boxHit(g, 100, 100, 33, 24, 90, 110, 14, 14 + 20));
    EXPECT_FALSE(g.hitFlag) << "the test clears the flag first";
    // Bottom-left corner only: no hit.
    EXPECT_FALSE(boxHit(g, 100, 100, 33, 24, 120, 90, 20, 14));
    // One pixel beyond.
    EXPECT_FALSE(boxHit(g, 0, 0, 33, 24, 34, 10, 5, 5));
    // Fractional positions (volley shots) compare exactly.
    EXPECT_FALSE(boxHit(g, 162, 0, 33, 42, 195.09, 26, 14, 14));
    EXPECT_TRUE(boxHit(g, 162, 0, 33, 42, 195.0, 26, 14, 14));
}

namespace {

struct GunCase {
    const char* gun;
    const char* shot;
    Pic picture;
    Pic mask;
    int size;
};

class ShotPictureTest : public ::testing::TestWithParam<GunCase> {};

}  // namespace

TEST_P(ShotPictureTest, LaunchDrawsTheRightPictureAtItsMeasuredSquareSize) {
    const GunCase c = GetParam();
    Harness h;
    h.noSpawns();
    h.tick(2);
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
    EXPECT_EQ(ops[0].x, 185);
    EXPECT_EQ(ops[0].y, 39);
    EXPECT_EQ(ops[0].w, c.size);
    EXPECT_EQ(ops[0].h, c.size);
    EXPECT_EQ(ops[0].picture.frame, h.g.shotFrame - 1);
    EXPECT_EQ(ops[0].mask.frame, h.g.shotFrame - 1);
    h.tick();
    ASSERT_EQ(h.opsOf(c.picture).size(), 1u);
    EXPECT_NE(h.opsOf(c.picture)[0].picture.frame, ops[0].picture.frame) << "frames alternate";
}

INSTANTIATE_TEST_SUITE_P(
    EveryGunAndShot, ShotPictureTest,
    ::testing::Values(GunCase{"Regular", "Regular", Pic::shot, Pic::shotmask, 14},
                      GunCase{"Regular", "Mega", Pic::shot2, Pic::shot2mask, 14},
                      GunCase{"Regular", "Giga", Pic::shot3, Pic::shot3mask, 18},
                      GunCase{"Regular", "Omega", Pic::shot4, Pic::shot4mask, 18},
                      GunCase{"Ninja", "Regular", Pic::imgnsr, Pic::imgnsrm, 18},
                      GunCase{"Ninja", "Mega", Pic::imgnsm, Pic::imgnsmm, 18},
                      GunCase{"Ninja", "Giga", Pic::imgnsg, Pic::imgnsgm, 18},
                      GunCase{"Ninja", "Omega", Pic::imgnso, Pic::imgnsom, 20},
                      GunCase{"Shocker", "Regular", Pic::imgssr, Pic::imgssrm, 18},
                      GunCase{"Shocker", "Mega", Pic::imgssm, Pic::imgssmm, 18},
                      GunCase{"Shocker", "Giga", Pic::imgssg, Pic::imgssgm, 18},
                      GunCase{"Shocker", "Omega", Pic::imgsso, Pic::imgssom, 18},
                      GunCase{"Psychic", "Regular", Pic::imgpsr, Pic::imgpsrm, 18},
                      GunCase{"Psychic", "Mega", Pic::imgpsm, Pic::imgpsmm, 18},
                      GunCase{"Psychic", "Giga", Pic::imgpsg, Pic::imgpsgm, 18},
                      GunCase{"Psychic", "Omega", Pic::imgpso, Pic::imgpsom, 18}));

TEST(ShotPictures, AnUnknownCombinationDrawsNothingAndKeepsTheSize) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.gunType = "regular";  // case matters
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.shotInFlight, 1);
    EXPECT_EQ(h.g.shotW, 14);
    EXPECT_EQ(h.countOps(Pic::shot), 0);
    EXPECT_FALSE(shotPictures("Ninja", "Ultra").has_value());
    EXPECT_TRUE(shotPictures("Ninja", "Omega").has_value());
}

TEST(ShotFlight, FallsSevenAndDriftsSevenAndLeavesAtTheRightEdgeWithWidth14) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.playerX = 292;
    h.g.shotHomeX = 308;
    h.g.shotX = 308;
    h.g.gunType = "Ninja";
    h.g.shotType = "Omega";  // 20 px, but the edge test uses 14
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.shotX, 315);
    EXPECT_EQ(h.g.shotY, 39);
    h.tick();
    EXPECT_EQ(h.g.shotInFlight, 0) << "315 + 14 > 328";
    EXPECT_EQ(h.g.shotX, 308);
    EXPECT_EQ(h.g.shotY, 32);
    EXPECT_FALSE(h.g.shotRight);
    EXPECT_EQ(h.plays(h.snd.sndPlayerShot), 1);
    h.tick();
    EXPECT_EQ(h.g.shotInFlight, 1) << "relaunched on the next tick";
    EXPECT_EQ(h.plays(h.snd.sndPlayerShot), 2);
}

TEST(ShotFlight, LeavesAtTheLeftEdgeAndReachesTheTankRow) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.facingLeft = true;
    h.g.facingRight = false;
    h.hold(Button::A);
    h.tick();
    EXPECT_TRUE(h.g.shotLeft) << "launched down to the left";
    EXPECT_FALSE(h.g.shotRight);
    EXPECT_EQ(h.g.shotX, 178 - 7);
    EXPECT_EQ(h.g.shotY, 32 + 7);
    h.release(Button::A);
    // From x 171 it drifts left 7 per tick: after 25 moves x = -4 < 0.
    int ticks = 1;
    while (h.g.shotInFlight == 1 && ticks < 100) {
        h.tick();
        ++ticks;
    }
    // Moved once in tick 1; x = 178 - 7k is first below 0 after move 26 (tick
    // 26), and the leaving test of tick 27 ends it.
    EXPECT_EQ(ticks, 27);
    EXPECT_EQ(h.g.tankHP, 100);
}

TEST(ShotHits, DamagePayoutAndExplosionOfASmallEnemy) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    const int n = h.addEnemy(false, 180, 100);  // right group, level 1: 1 HP
    h.clearSounds();
    h.g.shotInFlight = 1;
    h.g.shotRight = true;
    h.g.shotX = 190;
    h.g.shotY = 90;  // bottom-right corner (204, 104) inside the enemy
    h.tick();
    EXPECT_EQ(h.g.right.state[n], "Explode2 Right") << "Explode1 drawn in the same tick";
    EXPECT_EQ(h.g.right.hp[n], 0);
    EXPECT_EQ(h.g.score, 5);
    EXPECT_EQ(h.g.money, 1);
    EXPECT_EQ(h.g.extraLifePoints, 0.5);
    EXPECT_EQ(h.g.enemiesOnField, 13);
    EXPECT_EQ(h.plays(h.snd.sndExplosion), 1);
    EXPECT_EQ(h.g.shotInFlight, 0);
    EXPECT_EQ(h.g.shotX, h.g.shotHomeX);
    EXPECT_TRUE(h.g.shotRight) << "a hit on an enemy leaves the direction flags";
}

TEST(ShotHits, DefenceLowersTheDamageButAHitCostsAtLeastOne) {
    for (auto [attack, defence, hpAfter] : {std::tuple{3, 5, 9}, std::tuple{8, 5, 7}, std::tuple{2, 2, 9}}) {
        Harness h;
        h.noSpawns();
        h.tick(2);
        const int n = h.addEnemy(true, 100, 100);
        h.g.left.hp[n] = 10;
        h.g.left.defense[n] = defence;
        h.g.attackPower = attack;
        h.g.shotInFlight = 1;
        h.g.shotRight = true;
        h.g.shotX = 100;
        h.g.shotY = 93;
        h.tick();
        EXPECT_EQ(h.g.left.hp[n], hpAfter) << "attack " << attack << " defence " << defence;
        EXPECT_EQ(h.g.left.hit[n], 1) << "a survivor flashes";
        EXPECT_EQ(h.g.left.state[n], "Alive Left");
        EXPECT_EQ(h.g.score, 0);
    }
}

TEST(ShotHits, RightGroupFirstAndTheShotIsRelaunchedAtOnceWithAHeld) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    const int l = h.addEnemy(true, 100, 100);
    const int r = h.addEnemy(false, 100, 100);
    const int shoot = h.addEnemy(false, 100, 100, "Shoot Right");
    h.g.shotInFlight = 1;
    h.g.shotRight = true;
    h.g.shotX = 110;
    h.g.shotY = 110;
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.right.hp[r], 0);
    EXPECT_EQ(h.g.left.hp[l], 1) << "one shot hits one enemy";
    EXPECT_EQ(h.g.right.hp[shoot], 1) << "a firing pose cannot be hit";
    EXPECT_EQ(h.g.shotInFlight, 1) << "relaunched in the same tick";
    EXPECT_EQ(h.g.shotX, 185);
    EXPECT_EQ(h.plays(h.snd.sndPlayerShot), 1);
}

namespace {

// Sends a shot into the tank with the tank at hpBefore.
void hitTank(Harness& h, int hpBefore) {
    h.g.tankHP = hpBefore;
    h.g.shotInFlight = 1;
    h.g.shotRight = true;
    h.g.shotX = 100;
    h.g.shotY = 290;  // 297 after the flight step: below the tank's top row
    h.tick();
}

}  // namespace

TEST(TankHits, DamagePicturesByQuarters) {
    const std::pair<int, int> cases[] = {{77, 0}, {76, 1}, {52, 1}, {51, 2}, {27, 2}, {26, 3}, {2, 3}};
    for (auto [before, picture] : cases) {
        Harness h;
        h.noSpawns();
        h.tick(2);
        hitTank(h, before);
        EXPECT_EQ(h.g.tankHP, before - 1);
        EXPECT_EQ(h.g.tankPicIndex, picture) << "at " << before - 1 << " HP";
        EXPECT_FALSE(h.g.tankShattered);
        EXPECT_EQ(h.g.score, 10);
        EXPECT_EQ(h.g.extraLifePoints, 1.0);
        EXPECT_EQ(h.g.shotInFlight, 0);
        EXPECT_FALSE(h.g.shotRight);
    }
}

TEST(TankHits, ShatteringPaysTheLevelTimesHundredAndShowsItAtOnce) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.level = 3;
    h.g.money = 5;
    h.g.tankMaxHP = 300;
    h.g.attackPower = 4;
    hitTank(h, 3);
    EXPECT_TRUE(h.g.tankShattered);
    EXPECT_EQ(h.g.tankHP, -1);
    EXPECT_EQ(h.g.money, 305);
    EXPECT_EQ(h.w().Caption, "Level:3 Score:10 Lives:5 HP:5 $305") << "rebuilt in the same tick";
    EXPECT_EQ(h.countOps(Pic::Tankshater), 1);
    EXPECT_TRUE(h.w().tmrLevelup.Enabled());
    // A shattered tank takes no more hits (A held keeps the level change waiting).
    h.hold(Button::A);
    hitTank(h, -1);
    EXPECT_EQ(h.g.level, 3);
    EXPECT_EQ(h.g.score, 10);
}

TEST(TankHits, FlashShowsOnTheTickOfTheHitAndTheNext) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    hitTank(h, 100);
    EXPECT_EQ(h.countOps(Pic::tankflash), 1);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::tankflash), 1);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::tankflash), 0);
    EXPECT_EQ(h.countOps(Pic::tank), 1);
}

TEST(EnemyShots, FlyTenPerTickAndAreReArmedAfterLeavingTheField) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    const int l = h.addEnemy(true, 3, 250);
    const int r = h.addEnemy(false, 293, 200);
    h.g.left.shotState[l] = "Shoot";
    h.g.left.shotX[l] = 300;
    h.g.right.shotState[r] = "Shoot";
    h.g.right.shotX[r] = 15;
    h.g.enemyShotsInAir = 2;
    h.tick();
    EXPECT_EQ(h.g.left.shotX[l], 310);
    EXPECT_EQ(h.g.right.shotX[r], 5);
    EXPECT_EQ(h.countOps(Pic::enemyshot), 2);
    h.tick(2);  // left: 320, then 330; right: 5 > 0 -> -5, then re-armed
    EXPECT_EQ(h.g.right.shotState[r], "");
    EXPECT_EQ(h.g.right.shotX[r], 293);
    EXPECT_EQ(h.g.right.shotY[r], 204);
    EXPECT_EQ(h.g.left.shotX[l], 330);
    EXPECT_EQ(h.g.enemyShotsInAir, 1);
    h.tick();
    EXPECT_EQ(h.g.left.shotState[l], "");
    EXPECT_EQ(h.g.left.shotX[l], 35);
    EXPECT_EQ(h.g.enemyShotsInAir, 0);
}
