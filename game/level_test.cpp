// The level change: waiting for A and for Resume, the resets, the shop, the next level.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// Lands the shot that shatters the level's tank, with A held.
void shatterTheTank(Harness& h) { h.g.tankHP = 1, h.launchShot(100, 290), h.hold(Button::A), h.tick(); }

}  // namespace

// Guards play stopping while A is held, every field reset, the kept totals, the shop and the next spawn.
TEST(LevelChange, WaitsWhileAIsHeldThenResetsTheFieldAndOpensTheShop) {
    Harness h, fresh;
    GameState& g = h.g;
    h.tick(30);  // the first wave is on the field
    g.money = 150, g.extraLifePoints = 3;
    shatterTheTank(h);
    ASSERT_TRUE(g.tankShattered);
    const int ticksBefore = h.ticksRun();
    h.tick(5);
    EXPECT_EQ(vals(h.ticksRun(), g.level), vals(ticksBefore + 5, 1)) << "play goes on while A is held";
    const GameState before = g;
    h.release(Button::A), h.advanceMs(1);  // the 1 ms timer acts at once
    EXPECT_EQ(h.host.shopCaptions, std::vector<std::string>{"Upgrades     $250"});
    EXPECT_FALSE(h.w().moveTimer.Enabled() || h.w().levelUpTimer.Enabled());
    // The field is as a new run's, with the next level's tank; the totals are kept.
    GameState want = fresh.g;
    want.level = 2, want.tankHP = want.tankMaxHP = 200, want.money = 250, want.extraLifePoints = 4;
    want.score = before.score, want.lives = before.lives;
    want.volleyTimer = g.volleyTimer;  // not reset: the volley countdown and the frames
    want.carried.playerFrame = g.carried.playerFrame, want.carried.shotFrame = g.carried.shotFrame;
    EXPECT_EQ(describeState(g), describeState(want));
    EXPECT_EQ(vals(g.extraLifeStep, g.fireHeld), "2000 0");
    h.tick(3);
    EXPECT_EQ(h.ticksRun(), ticksBefore + 5) << "frozen while the shop is open";
    h.closeShop(), h.tick();
    EXPECT_EQ(vals(g.left.count, g.right.count), before.spawnLeftNext ? "1 0" : "0 1")
        << "the side that was next spawns first";
}

// Guards the next level starting under a pause screen, and a volley in the air rising again from the bottom.
TEST(LevelChange, WaitsUnderThePauseScreenAndKeepsTheVolley) {
    Harness h;
    h.noSpawns(), h.tick(54);  // the volley was launched on 49
    h.g.carried.volleyShotFlying[2] = false;
    const double x0 = h.g.volleyX[0];
    shatterTheTank(h);
    h.hold(Button::Start), h.tick();  // pause while the wreck waits for A
    ASSERT_TRUE(h.w().paused());
    h.release(Button::A), h.release(Button::Start), h.advanceMs(500);
    EXPECT_TRUE(h.host.shopCaptions.empty());
    h.tap(Button::Start), h.advanceMs(120);  // Resume
    EXPECT_EQ(vals(h.host.shopCaptions.size(), h.g.level, h.g.volleyActive), "1 2 1");
    h.closeShop(), h.tick();
    EXPECT_EQ(h.g.volleyY, 306);
    EXPECT_GT(h.g.volleyX[0], x0) << "shot 0 continues from where it was";
    EXPECT_EQ(h.countOps(Pic::tankshot), 1) << "only the live straight shot is drawn";
}

// Guards the payout and the next level's values wrapping past 16 bits.
TEST(LevelChange, TheTankPayoutIsASaturated16BitProduct) {
    Harness h;
    h.noSpawns(), h.tick(2);
    h.g.level = 400, h.g.money = 1000;  // 400 x 100 does not fit in 16 bits
    shatterTheTank(h);
    EXPECT_EQ(h.g.money, 1000 + 32767);
    h.g.level = 32767, h.g.tankMaxHP = 32700;
    h.release(Button::A), h.tick();
    EXPECT_EQ(vals(h.g.level, h.g.tankMaxHP), "32767 32767");
}
