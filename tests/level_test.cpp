// The level change: waiting for A, the resets, the shop, the next level.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// Plays until the first wave is on the field, then shatters the tank with A held.
void shatterWithAHeld(Harness& h) {
    h.tick(30);
    h.g.money = 250 - 100;
    h.g.extraLifePoints = 3;
    h.g.tankHP = 1;
    h.g.shotInFlight = 1;
    h.g.shotRight = true;
    h.g.shotX = 100;
    h.g.shotY = 290;
    h.hold(Button::A);
    h.tick();
    ASSERT_TRUE(h.g.tankShattered);
}

}  // namespace

TEST(LevelChange, WaitsWhileAIsHeldThenResetsTheFieldAndOpensTheShop) {
    Harness h;
    shatterWithAHeld(h);
    const int ticksBefore = h.ticksRun();
    h.tick(5);
    EXPECT_EQ(h.ticksRun(), ticksBefore + 5) << "play goes on while A is held";
    EXPECT_EQ(h.g.level, 1);
    EXPECT_TRUE(h.w().tmrLevelup.Enabled());
    EXPECT_EQ(h.countOps(Pic::Tankshater), 1);
    EXPECT_TRUE(h.host.shopCaptions.empty());
    const bool nextLeft = h.g.spawnLeftNext;
    const int lives = h.g.lives;
    const int score = h.g.score;

    h.release(Button::A);
    h.advanceMs(1);  // the 1 ms timer acts at once
    ASSERT_EQ(h.host.shopCaptions.size(), 1u);
    EXPECT_EQ(h.host.shopCaptions[0], "Upgrades     $250");
    EXPECT_FALSE(h.w().tmrMoves.Enabled());
    EXPECT_FALSE(h.w().tmrLevelup.Enabled());
    EXPECT_EQ(h.g.level, 2);
    EXPECT_EQ(h.g.tankMaxHP, 200);
    EXPECT_EQ(h.g.tankHP, 200);
    EXPECT_EQ(h.g.extraLifeStep, 2000);
    EXPECT_FALSE(h.g.tankShattered);
    EXPECT_FALSE(h.g.tankFlashing);
    EXPECT_EQ(h.g.tankPicIndex, 0);
    EXPECT_EQ(h.g.shotInFlight, 0);
    EXPECT_FALSE(h.g.fireHeld);
    EXPECT_EQ(h.g.playerX, 162);
    EXPECT_EQ(h.g.playerY, 0);
    EXPECT_EQ(h.g.shotX, 178);
    EXPECT_EQ(h.g.shotY, 32);
    EXPECT_EQ(h.g.tickCycle, 0);
    EXPECT_EQ(h.g.enemyShotsInAir, 0);
    EXPECT_EQ(h.g.left.count, 0);
    EXPECT_EQ(h.g.right.count, 0);
    EXPECT_EQ(h.g.left.upperBound(), 0);
    EXPECT_EQ(h.g.right.upperBound(), 0);
    EXPECT_EQ(h.g.enemiesOnField, 0);
    EXPECT_TRUE(h.g.spawnOpen);
    EXPECT_EQ(h.g.volleyTicks, 81.75);
    // Kept: totals, points, the side of the next spawn.
    EXPECT_EQ(h.g.lives, lives);
    EXPECT_EQ(h.g.score, score);
    EXPECT_EQ(h.g.extraLifePoints, 4);
    EXPECT_EQ(h.g.spawnLeftNext, nextLeft);

    // The shop's Next Level resumes the tick; the first spawn goes to the side that was next.
    h.tick(3);
    EXPECT_EQ(h.ticksRun(), ticksBefore + 5) << "frozen while the shop is open";
    h.closeShop();
    h.tick();
    EXPECT_EQ((nextLeft ? h.g.left : h.g.right).count, 1);
    EXPECT_EQ((nextLeft ? h.g.right : h.g.left).count, 0);
    EXPECT_EQ(h.w().Caption, "Level:2 Score:" + std::to_string(score) + " Lives:" +
                                 std::to_string(lives) + " HP:5 $250");
}

TEST(LevelChange, AVolleyInTheAirRisesAgainFromTheBottomInTheNextLevel) {
    Harness h;
    h.noSpawns();
    h.tick(60);  // volley launched on 49, 11 steps up
    ASSERT_TRUE(h.g.volleyActive);
    h.g.volleyState[2] = "";  // one shot already spent
    const double x0 = h.g.volleyX[0];
    h.g.tankShattered = true;
    h.tick();  // the frame enables the level change
    h.advanceMs(1);
    ASSERT_EQ(h.g.level, 2);
    EXPECT_EQ(h.g.volleyY, 310);
    EXPECT_TRUE(h.g.volleyActive);
    h.closeShop();
    h.tick();
    EXPECT_EQ(h.g.volleyY, 306);
    EXPECT_GT(h.g.volleyX[0], x0) << "shot 0 continues from where it was";
    EXPECT_EQ(h.g.volleyState[2], "");
    EXPECT_EQ(h.countOps(Pic::tankshot), 1) << "only the live straight shot is drawn";
}

TEST(LevelChange, TheTankPayoutIsASaturated16BitProduct) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.level = 400;  // 400 x 100 does not fit in 16 bits
    h.g.money = 1000;
    h.g.tankHP = 1;
    h.g.shotInFlight = 1;
    h.g.shotRight = true;
    h.g.shotY = 290;
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.money, 1000 + 32767);
    h.g.level = 32767;
    h.g.tankMaxHP = 32700;
    h.release(Button::A);
    h.tick();
    EXPECT_EQ(h.g.level, 32767) << "level stays at the limit";
    EXPECT_EQ(h.g.tankMaxHP, 32767);
    EXPECT_EQ(h.g.extraLifeStep, 2000);
}
