// The big tank's volley: launch on tick 49, aim, flight, sound, end, hits.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

// Guards the launch tick, the aim, the sound timing, the flight length and the next launch.
TEST(Volley, StartsOnTick49AimsAtThePlayerAndLasts86Ticks) {
    Harness h;
    h.noSpawns();
    h.g.playerX = 10;
    h.g.playerY = 100;
    h.g.volleyTicks = (327 - 100) / 4.0;
    h.tick(48);
    EXPECT_FALSE(h.g.volleyActive);
    EXPECT_EQ(h.g.volleyTimer, 48);
    h.tick();  // 49
    ASSERT_TRUE(h.g.volleyActive);
    EXPECT_EQ(h.g.volleyTimer, 0);
    EXPECT_EQ(h.g.volleyY, 310);
    EXPECT_EQ(h.g.volleyX[0], 0);
    EXPECT_EQ(h.g.volleyX[3], 308);
    EXPECT_EQ(h.g.carried.volleyStepRight, (10 + 14) / 56.75);
    EXPECT_EQ(h.g.carried.volleyStepLeft, (324 - 10 - 33 + 1) / 56.75);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(h.g.carried.volleyShotFlying[i]);
    EXPECT_EQ(h.countOps(Pic::tankshot), 2) << "drawn on the launch tick";
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 0) << "the sound starts with the first flight step";
    EXPECT_FALSE(h.w().tankShotTimer.Enabled());

    h.tick();  // 50: first flight step
    EXPECT_EQ(h.g.volleyY, 306);
    EXPECT_DOUBLE_EQ(h.g.volleyX[0], h.g.carried.volleyStepRight);
    EXPECT_DOUBLE_EQ(h.g.volleyX[3], 308 - h.g.carried.volleyStepLeft);
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 1);
    EXPECT_TRUE(h.w().tankShotTimer.Enabled());
    EXPECT_EQ(h.g.carried.volleyFrame, 2);
    h.tick();
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 1) << "the timer repeats it, not the tick";
    EXPECT_EQ(h.g.carried.volleyFrame, 1);

    h.tick(36);  // tick 87: 1811 ms after the timer was enabled (tick 50) it has fired once
    EXPECT_TRUE(h.w().volleyUnderway);
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 2);

    h.tick(134 - 87);  // tick 134: 85 flight steps, y = -30
    EXPECT_TRUE(h.g.volleyActive);
    EXPECT_EQ(h.g.volleyY, -30);
    h.tick();  // 135: y = -34, -34 + 31 < 0
    EXPECT_FALSE(h.g.volleyActive);
    EXPECT_EQ(h.stops(h.snd.tankShotSound), 1);
    EXPECT_FALSE(h.w().tankShotTimer.Enabled());
    EXPECT_FALSE(h.w().volleyUnderway);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(h.g.carried.volleyShotFlying[i]);
    EXPECT_EQ(h.countOps(Pic::tankshot), 0);

    h.tick(147 - 135);
    EXPECT_FALSE(h.g.volleyActive);
    h.tick();  // 148 = 49 + 99
    EXPECT_TRUE(h.g.volleyActive);
}

// Guards the diagonal shots' hit boxes against a still player.
TEST(Volley, TheDiagonalShotsHitAStillPlayerOnFlightSteps71And72) {
    Harness h;
    h.noSpawns();
    h.tick(119);  // 70 flight steps
    EXPECT_EQ(h.g.playerHP, 5);
    h.clearSounds();
    h.tick();  // step 71: shot 0's corner (166.9, 40) is inside the player's box (162..195, 0..42)
    EXPECT_EQ(h.g.playerHP, 4);
    EXPECT_EQ(h.g.playerState, PlayerState::Flashing);
    EXPECT_FALSE(h.g.carried.volleyShotFlying[0]);
    EXPECT_TRUE(h.g.carried.volleyShotFlying[3]) << "shot 3 is at x 195.1, just outside";
    h.tick();  // step 72: shot 3 at x 193.5, y 22
    EXPECT_EQ(h.g.playerHP, 3);
    EXPECT_FALSE(h.g.carried.volleyShotFlying[3]);
    EXPECT_TRUE(h.g.carried.volleyShotFlying[1]);
    EXPECT_EQ(h.plays(h.snd.explosionSound), 0);
}

// Guards a straight shot missing the player or not ending the last HP.
TEST(Volley, AStraightShotDestroysAPlayerWithOneHP) {
    Harness h;
    h.noSpawns();
    h.g.playerX = 92;  // 92..125 covers shot 1 at 101
    h.g.playerY = 200;
    h.g.playerHP = 1;
    h.tick(49);
    h.clearSounds();
    for (int i = 0; i < 40 && h.g.playerState == PlayerState::Alive; ++i) h.tick();
    EXPECT_EQ(h.g.playerState, PlayerState::Exploding);
    EXPECT_FALSE(h.g.carried.volleyShotFlying[1]);
    EXPECT_EQ(h.plays(h.snd.explosionSound), 1);
    EXPECT_LE(h.g.volleyY, 242) << "its top reached the player's bottom row";
}
