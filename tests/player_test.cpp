// The pad in the tick: movement limits, facing, fire, and the player's timed
// states (flash, explosion, blinking).
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// A quiet field with the controls armed (two ticks into the run).
struct ArmedHarness : Harness {
    ArmedHarness() {
        noSpawns();
        tick(2);
    }
    void placePlayer(int x, int y) {
        g.playerX = x;
        g.playerY = y;
        g.shotHomeX = x + 16;
        g.shotHomeY = y + 32;
        g.shotX = g.shotHomeX;
        g.shotY = g.shotHomeY;
        g.volleyTicks = (327 - y) / 4.0;
    }
};

}  // namespace

TEST(PlayerMovement, ControlsAreDeadOnTheFirstTickOfARun) {
    Harness h;
    h.noSpawns();
    h.hold(Button::Right);
    h.tick();
    EXPECT_EQ(h.g.playerX, 162);
    h.tick();
    EXPECT_EQ(h.g.playerX, 172) << "armed in step 5, moved in step 21 of the same tick";
    EXPECT_EQ(h.g.shotHomeX, 188);
    EXPECT_EQ(h.g.shotX, 188) << "the waiting shot follows the muzzle";
}

TEST(PlayerMovement, StaysWithinTheFieldLimits) {
    ArmedHarness h;
    h.placePlayer(-8, 100);
    h.hold(Button::Left);
    h.tick();
    EXPECT_EQ(h.g.playerX, -8) << "from -8 Left does not move";
    EXPECT_TRUE(h.g.facingLeft) << "but it turns";
    EXPECT_FALSE(h.g.facingRight);
    h.placePlayer(2, 100);
    h.tick();
    EXPECT_EQ(h.g.playerX, -8) << "from 2 Left still moves";
    h.release(Button::Left);
    h.placePlayer(292, 100);
    h.hold(Button::Right);
    h.tick();
    EXPECT_EQ(h.g.playerX, 292) << "292 + 33 is not below 324";
    EXPECT_TRUE(h.g.facingRight) << "but it turns back";
    h.release(Button::Right);
    h.placePlayer(162, 240);
    h.hold(Button::Down);
    h.tick();
    EXPECT_EQ(h.g.playerY, 240) << "240 + 42 is not below 276";
    EXPECT_EQ(h.g.volleyTicks, 21.75);
    h.release(Button::Down);
    h.placePlayer(162, 0);
    h.hold(Button::Up);
    h.tick();
    EXPECT_EQ(h.g.playerY, 0);
    EXPECT_EQ(h.g.volleyTicks, 81.75) << "no move, no change";
}

TEST(PlayerMovement, DownAndUpKeepTheVolleyTimingAndTheMuzzle) {
    ArmedHarness h;
    h.hold(Button::Down);
    h.tick(3);
    EXPECT_EQ(h.g.playerY, 30);
    EXPECT_EQ(h.g.volleyTicks, (327 - 30) / 4.0);
    EXPECT_EQ(h.g.shotHomeY, 62);
    EXPECT_EQ(h.g.shotY, 62);
    h.release(Button::Down);
    h.hold(Button::Up);
    h.tick();
    EXPECT_EQ(h.g.playerY, 20);
    EXPECT_EQ(h.g.volleyTicks, (327 - 20) / 4.0);
    EXPECT_EQ(h.g.shotHomeY, 52);
}

TEST(PlayerMovement, OppositeKeysTogetherDoNothing) {
    ArmedHarness h;
    h.hold(Button::Left);
    h.hold(Button::Right);
    h.hold(Button::Up);
    h.hold(Button::Down);
    h.tick(2);
    EXPECT_EQ(h.g.playerX, 162);
    EXPECT_EQ(h.g.playerY, 0);
    EXPECT_TRUE(h.g.facingRight);
    EXPECT_FALSE(h.g.facingLeft);
}

TEST(PlayerMovement, AShotInFlightIsNotMovedByThePlayer) {
    ArmedHarness h;
    h.hold(Button::A);
    h.tick();
    ASSERT_EQ(h.g.shotInFlight, 1);
    const int shotX = h.g.shotX;
    h.release(Button::A);
    h.hold(Button::Left);
    h.tick();
    EXPECT_EQ(h.g.shotX, shotX + 7) << "it flies on its own";
    EXPECT_EQ(h.g.shotHomeX, 168);
}

TEST(PlayerStates, ExplodingPlayerOnlyPausesAndBlinkingPlayerMovesAndFires) {
    ArmedHarness h;
    h.g.playerState = "Explode";
    h.hold(Button::Right);
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.playerX, 162);
    EXPECT_EQ(h.g.shotInFlight, 0);
    EXPECT_FALSE(h.g.fireHeld);
    h.g.playerState = "Blinking";
    h.g.explodeFrame = 0;
    h.tick();
    EXPECT_EQ(h.g.playerX, 172);
    EXPECT_EQ(h.g.shotInFlight, 1);
    EXPECT_TRUE(h.g.fireHeld);
}

TEST(PlayerFire, HoldingAFiresOnceAndAnyKeyUpClearsThePose) {
    ArmedHarness h;
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.plays(h.snd.sndPlayerShot), 1);
    EXPECT_TRUE(h.g.fireHeld);
    EXPECT_TRUE(h.g.shotRight);
    h.tick(3);
    EXPECT_EQ(h.plays(h.snd.sndPlayerShot), 1) << "no refire while the shot flies";
    h.w().Form_KeyUp(h.code(Button::Left));
    EXPECT_FALSE(h.g.fireHeld) << "a key-up of any key";
    h.tick();
    EXPECT_TRUE(h.g.fireHeld) << "until the next tick finds A down";
    h.release(Button::A);
    h.tick();
    EXPECT_FALSE(h.g.fireHeld);
}

namespace {

// An enemy shot from the left group parked on the player's box.
void shootPlayer(Harness& h, int attack = 1) {
    const int n = h.addEnemy(true, 3, 200);
    h.g.left.attack[n] = attack;
    h.g.left.shotState[n] = "Shoot";
    h.g.left.shotX[n] = h.g.playerX + 5;
    h.g.left.shotY[n] = h.g.playerY + 5;
    h.g.enemyShotsInAir += 1;
}

bool drawn(const Harness& h, Pic p, int frame) {
    for (const DrawOp& op : h.opsOf(p))
        if (op.picture.frame == frame) return true;
    return false;
}

bool beeDrawn(const Harness& h) {
    for (Pic p : {Pic::beeleft, Pic::beelefts, Pic::beeright, Pic::beerights, Pic::beeleftf,
                  Pic::beeleftsf, Pic::beerightf, Pic::beerightsf, Pic::explode})
        for (const DrawOp& op : h.opsOf(p))
            if (op.x == h.g.playerX && op.w == 33 && op.h == 42) return true;
    return false;
}

}  // namespace

TEST(PlayerStates, AHitFlashesOnTwoTicksAndTheThirdIsBlank) {
    ArmedHarness h;
    shootPlayer(h);
    h.tick();  // T: hit in step 12, flash 1 drawn
    EXPECT_EQ(h.g.playerHP, 4);
    EXPECT_EQ(h.g.playerState, "Flashing");
    EXPECT_EQ(h.countOps(Pic::beerightf), 1);
    EXPECT_EQ(h.opsOf(Pic::beerightf)[0].mask.pic, Pic::beerightmask);
    h.tick();  // T+1
    EXPECT_EQ(h.countOps(Pic::beerightf), 1);
    h.tick();  // T+2: back to Alive, not drawn
    EXPECT_EQ(h.g.playerState, "Alive");
    EXPECT_FALSE(beeDrawn(h));
    h.tick();
    EXPECT_EQ(h.countOps(Pic::beeright), 1);
}

TEST(PlayerStates, ExplosionShowsFourFramesThenTheLifeIsLostAndThePlayerBlinks) {
    ArmedHarness h;
    h.g.playerMaxHP = 8;  // raised in the shop
    h.g.playerHP = 1;
    shootPlayer(h);
    h.clearSounds();
    h.tick();  // T
    EXPECT_EQ(h.g.playerState, "Explode");
    EXPECT_EQ(h.plays(h.snd.sndExplosion), 1);
    EXPECT_TRUE(drawn(h, Pic::explode, 0));
    for (int f = 1; f <= 3; ++f) {
        h.tick();
        EXPECT_TRUE(drawn(h, Pic::explode, f)) << "frame " << f;
        EXPECT_EQ(h.g.lives, 5);
    }
    h.tick();  // T+4
    EXPECT_EQ(h.g.playerState, "Blinking");
    EXPECT_EQ(h.g.lives, 4);
    EXPECT_EQ(h.g.playerHP, 8) << "refilled to the raised maximum";
    EXPECT_FALSE(beeDrawn(h));
    // Blinking: drawn on even blinkTicks only, 41 ends it.
    for (int b = 1; b <= 40; ++b) {
        h.tick();
        ASSERT_EQ(h.g.blinkTicks, b);
        EXPECT_EQ(beeDrawn(h), b % 2 == 0) << "blinkTicks " << b;
    }
    h.tick();
    EXPECT_EQ(h.g.playerState, "Alive");
    EXPECT_EQ(h.g.blinkTicks, 0);
    EXPECT_FALSE(beeDrawn(h));
    h.tick();
    EXPECT_TRUE(beeDrawn(h));
}

TEST(PlayerStates, NothingHitsABlinkingPlayer) {
    ArmedHarness h;
    h.g.playerState = "Blinking";
    shootPlayer(h, 3);
    h.tick();
    EXPECT_EQ(h.g.playerHP, 5);
    EXPECT_EQ(h.g.left.shotState[0], "Shoot") << "the shot flies on";
    EXPECT_EQ(h.g.enemyShotsInAir, 1);
}
