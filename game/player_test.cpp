// The pad in the tick: movement limits, facing, fire, and the timed states (flash, explosion, blinking).
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// A quiet field with the controls armed (two ticks into the run).
struct ArmedHarness : Harness {
    ArmedHarness() { noSpawns(), tick(2); }
    void shootPlayer(int attack = 1) { addEnemyShot(g.playerX + 5, g.playerY + 5, attack); }
    // Whether the player is drawn in any pose at its place.
    bool beeDrawn() const {
        for (Pic p : {Pic::beeleft, Pic::beelefts, Pic::beeright, Pic::beerights, Pic::beeleftf,
                      Pic::beeleftsf, Pic::beerightf, Pic::beerightsf, Pic::explode})
            for (const DrawOp& op : opsOf(p))
                if (op.x == g.playerX && op.w == 33 && op.h == 42) return true;
        return false;
    }
};

}  // namespace

// Guards the edges (strict), turning without moving, opposite keys cancelling, the volley timing and muzzle.
TEST(PlayerMovement, StaysWithinTheFieldLimits) {
    // From (x, y), the keys held (Up, Down, Left, Right), then where the player is and whether it faces left.
    using T = std::tuple<int, int, const char*, int, int, bool>;
    for (auto [x, y, held, wantX, wantY, left] :
         {T{-8, 100, "L", -8, 100, true}, T{2, 100, "L", -8, 100, true}, T{291, 100, "R", 291, 100, false},
          T{282, 100, "R", 292, 100, false}, T{162, 240, "D", 162, 240, true},
          T{162, 230, "D", 162, 240, true}, T{162, 0, "U", 162, 0, true}, T{162, 10, "U", 162, 0, true},
          T{100, 100, "LRUD", 100, 100, true}}) {
        SCOPED_TRACE("from " + std::to_string(x) + "," + std::to_string(y));
        ArmedHarness h;
        h.g.playerX = x, h.g.shotX = h.g.shotHomeX = x + 16;
        h.g.playerY = y, h.g.shotY = h.g.shotHomeY = y + 32, h.g.volleyTicks = (327 - y) / 4.0;
        h.g.facingLeft = true, h.g.facingRight = false;  // Right turns the player, Left keeps the facing
        for (char b : std::string(held)) h.hold(Button(std::string("AUDLR").find(b)));
        h.tick();
        EXPECT_EQ(vals(h.g.playerX, h.g.playerY, h.g.shotX, h.g.shotY, h.g.facingLeft, h.g.facingRight),
                  vals(wantX, wantY, wantX + 16, wantY + 32, left, !left));
        EXPECT_EQ(h.g.volleyTicks, (327 - wantY) / 4.0);
    }
}

// Guards one shot per flight, a key-up clearing the pose; an exploding player cannot act, a blinking one can.
TEST(PlayerFire, HoldingAFiresOnceAndOnlyAnExplodingPlayerCannotAct) {
    ArmedHarness h;
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(vals(h.plays(h.snd.playerShotSound), h.g.fireHeld, h.g.carried.shotRight), "1 1 1");
    h.tick(3);
    EXPECT_EQ(h.plays(h.snd.playerShotSound), 1) << "no refire while the shot flies";
    h.w().onKeyReleased();
    EXPECT_FALSE(h.g.fireHeld);
    h.tick();
    EXPECT_TRUE(h.g.fireHeld) << "until the next tick finds A down";
    ArmedHarness e;
    e.g.playerState = PlayerState::Exploding;
    e.hold(Button::Right);
    e.hold(Button::A);
    e.tick();
    EXPECT_EQ(vals(e.g.playerX, e.g.shotInFlight, e.g.fireHeld), "162 0 0");
    e.g.playerState = PlayerState::Blinking, e.g.carried.explodeFrame = 0;
    e.tick();
    EXPECT_EQ(vals(e.g.playerX, e.g.shotInFlight, e.g.fireHeld), "172 1 1");
}

// Guards a two-tick flash, four explosion frames, the life lost and HP refilled, 40 immune blink ticks.
TEST(PlayerStates, FlashThenExplosionThenFortyBlinkTicks) {
    ArmedHarness h;
    h.g.playerMaxHP = 8, h.g.playerHP = 2;
    h.shootPlayer();
    for (int t = 0; t < 2; ++t) {
        h.tick();
        ASSERT_EQ(h.countOps(Pic::beerightf), 1) << t;
        EXPECT_EQ(h.opsOf(Pic::beerightf)[0].mask.pic, Pic::beerightmask);
    }
    EXPECT_EQ(vals(h.g.playerHP, h.g.playerState), "1 flashing");
    h.tick();
    EXPECT_EQ(vals(h.g.playerState, h.beeDrawn()), "alive 0");
    h.tick();
    EXPECT_EQ(h.countOps(Pic::beeright), 1);
    h.shootPlayer();
    h.clearSounds();
    for (int f = 0; f <= 3; ++f) {
        h.tick();
        ASSERT_EQ(h.countOps(Pic::explode), 1) << "frame " << f;
        EXPECT_EQ(vals(int(h.opsOf(Pic::explode)[0].picture.frame), h.g.lives), vals(f, 5));
    }
    EXPECT_EQ(h.plays(h.snd.explosionSound), 1);
    h.tick();
    EXPECT_EQ(vals(h.g.playerState, h.g.lives, h.g.playerHP, h.beeDrawn()), "blinking 4 8 0");
    h.shootPlayer(3);
    for (int b = 1; b <= 40; ++b) {
        h.tick();
        ASSERT_EQ(h.g.blinkTicks, b);
        EXPECT_EQ(h.beeDrawn(), b % 2 == 0) << "blinkTicks " << b;
    }
    EXPECT_EQ(h.g.playerHP, 8) << "nothing hits a blinking player";
    h.tick();
    EXPECT_EQ(vals(h.g.playerState, h.g.blinkTicks, h.beeDrawn()), "alive 0 0");
    h.tick();
    EXPECT_TRUE(h.beeDrawn());
}
