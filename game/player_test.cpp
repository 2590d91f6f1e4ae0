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
        g.shotX = g.shotHomeX = x + 16;
        g.shotY = g.shotHomeY = y + 32;
        g.volleyTicks = (327 - y) / 4.0;
    }
    // An enemy shot from the left group parked on the player's box.
    void shootPlayer(int attack = 1) {
        const int n = addEnemy(true, 3, 200);
        g.left.attack[n] = attack;
        g.left.shotFlying[n] = true;
        g.left.shotX[n] = g.playerX + 5;
        g.left.shotY[n] = g.playerY + 5;
        g.enemyShotsInAir += 1;
    }
    // Whether the player is drawn in any pose at its place.
    bool beeDrawn() const {
        for (Pic p : {Pic::beeleft, Pic::beelefts, Pic::beeright, Pic::beerights, Pic::beeleftf, Pic::beeleftsf,
                      Pic::beerightf, Pic::beerightsf, Pic::explode})
            for (const DrawOp& op : opsOf(p))
                if (op.x == g.playerX && op.w == 33 && op.h == 42) return true;
        return false;
    }
};

}  // namespace

// The first tick of a run ignores the pad; the waiting shot follows the muzzle.
TEST(PlayerMovement, ControlsAreDeadOnTheFirstTickOfARun) {
    Harness h;
    h.noSpawns();
    h.hold(Button::Right);
    h.tick();
    EXPECT_EQ(h.g.playerX, 162);
    h.tick();
    EXPECT_EQ(h.g.playerX, 172) << "armed in step 5, moved in step 21 of the same tick";
    EXPECT_EQ(h.g.shotHomeX, 188);
    EXPECT_EQ(h.g.shotX, 188);
}

// Field limits at each edge (strict comparisons), turning without moving, volley timing kept.
TEST(PlayerMovement, StaysWithinTheFieldLimits) {
    struct Case { int x, y; Button b; int wantX, wantY; };
    const Case cases[] = {{-8, 100, Button::Left, -8, 100},  {2, 100, Button::Left, -8, 100},
                          {292, 100, Button::Right, 292, 100}, {162, 240, Button::Down, 162, 240},
                          {162, 0, Button::Up, 162, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE("from " + std::to_string(c.x) + "," + std::to_string(c.y));
        ArmedHarness h;
        h.placePlayer(c.x, c.y);
        h.g.facingLeft = c.b == Button::Right;  // facing away: a press turns the player
        h.g.facingRight = !h.g.facingLeft;
        h.hold(c.b);
        h.tick();
        EXPECT_EQ(h.g.playerX, c.wantX);
        EXPECT_EQ(h.g.playerY, c.wantY);
        EXPECT_EQ(h.g.volleyTicks, (327 - c.wantY) / 4.0);
        if (c.b == Button::Left || c.b == Button::Right) {
            EXPECT_EQ(h.g.facingLeft, c.b == Button::Left);
            EXPECT_EQ(h.g.facingRight, c.b == Button::Right);
        }
    }
}

// Vertical moves keep the volley timing and the waiting shot in step.
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

// Opposite keys cancel and leave the facing alone.
TEST(PlayerMovement, OppositeKeysTogetherDoNothing) {
    ArmedHarness h;
    for (Button b : {Button::Left, Button::Right, Button::Up, Button::Down}) h.hold(b);
    h.tick(2);
    EXPECT_EQ(h.g.playerX, 162);
    EXPECT_EQ(h.g.playerY, 0);
    EXPECT_TRUE(h.g.facingRight);
    EXPECT_FALSE(h.g.facingLeft);
}

// A shot in flight flies on its own; only its home follows the player.
TEST(PlayerMovement, AShotInFlightIsNotMovedByThePlayer) {
    ArmedHarness h;
    h.hold(Button::A);
    h.tick();
    ASSERT_EQ(h.g.shotInFlight, 1);
    const int shotX = h.g.shotX;
    h.release(Button::A);
    h.hold(Button::Left);
    h.tick();
    EXPECT_EQ(h.g.shotX, shotX + 7);
    EXPECT_EQ(h.g.shotHomeX, 168);
}

// An exploding player cannot move or fire; a blinking one can.
TEST(PlayerStates, ExplodingPlayerOnlyPausesAndBlinkingPlayerMovesAndFires) {
    ArmedHarness h;
    h.g.playerState = PlayerState::Exploding;
    h.hold(Button::Right);
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.g.playerX, 162);
    EXPECT_EQ(h.g.shotInFlight, 0);
    EXPECT_FALSE(h.g.fireHeld);
    h.g.playerState = PlayerState::Blinking;
    h.g.carried.explodeFrame = 0;
    h.tick();
    EXPECT_EQ(h.g.playerX, 172);
    EXPECT_EQ(h.g.shotInFlight, 1);
    EXPECT_TRUE(h.g.fireHeld);
}

// One shot per flight; the fire pose is cleared by a key-up of any key.
TEST(PlayerFire, HoldingAFiresOnceAndAnyKeyUpClearsThePose) {
    ArmedHarness h;
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(h.plays(h.snd.playerShotSound), 1);
    EXPECT_TRUE(h.g.fireHeld);
    EXPECT_TRUE(h.g.carried.shotRight);
    h.tick(3);
    EXPECT_EQ(h.plays(h.snd.playerShotSound), 1) << "no refire while the shot flies";
    h.w().onKeyReleased();
    EXPECT_FALSE(h.g.fireHeld);
    h.tick();
    EXPECT_TRUE(h.g.fireHeld) << "until the next tick finds A down";
    h.release(Button::A);
    h.tick();
    EXPECT_FALSE(h.g.fireHeld);
}

// A hit flashes on two ticks, the third is blank, then the normal picture.
TEST(PlayerStates, AHitFlashesOnTwoTicksAndTheThirdIsBlank) {
    ArmedHarness h;
    h.shootPlayer();
    h.tick();
    EXPECT_EQ(h.g.playerHP, 4);
    EXPECT_EQ(h.g.playerState, PlayerState::Flashing);
    EXPECT_EQ(h.countOps(Pic::beerightf), 1);
    EXPECT_EQ(h.opsOf(Pic::beerightf)[0].mask.pic, Pic::beerightmask);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::beerightf), 1);
    h.tick();
    EXPECT_EQ(h.g.playerState, PlayerState::Alive);
    EXPECT_FALSE(h.beeDrawn());
    h.tick();
    EXPECT_EQ(h.countOps(Pic::beeright), 1);
}

// Four explosion frames, then a life lost, HP refilled to the raised maximum, 40 blink ticks.
TEST(PlayerStates, ExplosionShowsFourFramesThenTheLifeIsLostAndThePlayerBlinks) {
    ArmedHarness h;
    h.g.playerMaxHP = 8;
    h.g.playerHP = 1;
    h.shootPlayer();
    h.clearSounds();
    for (int f = 0; f <= 3; ++f) {
        h.tick();
        ASSERT_EQ(h.countOps(Pic::explode), 1) << "frame " << f;
        EXPECT_EQ(h.opsOf(Pic::explode)[0].picture.frame, f);
        EXPECT_EQ(h.g.lives, 5);
    }
    EXPECT_EQ(h.plays(h.snd.explosionSound), 1);
    h.tick();
    EXPECT_EQ(h.g.playerState, PlayerState::Blinking);
    EXPECT_EQ(h.g.lives, 4);
    EXPECT_EQ(h.g.playerHP, 8);
    EXPECT_FALSE(h.beeDrawn());
    for (int b = 1; b <= 40; ++b) {  // drawn on even blinkTicks only
        h.tick();
        ASSERT_EQ(h.g.blinkTicks, b);
        EXPECT_EQ(h.beeDrawn(), b % 2 == 0) << "blinkTicks " << b;
    }
    h.tick();
    EXPECT_EQ(h.g.playerState, PlayerState::Alive);
    EXPECT_EQ(h.g.blinkTicks, 0);
    EXPECT_FALSE(h.beeDrawn());
    h.tick();
    EXPECT_TRUE(h.beeDrawn());
}

// A blinking player is not hit, and the shot flies on.
TEST(PlayerStates, NothingHitsABlinkingPlayer) {
    ArmedHarness h;
    h.g.playerState = PlayerState::Blinking;
    h.shootPlayer(3);
    h.tick();
    EXPECT_EQ(h.g.playerHP, 5);
    EXPECT_TRUE(h.g.left.shotFlying[0]);
    EXPECT_EQ(h.g.enemyShotsInAir, 1);
}
