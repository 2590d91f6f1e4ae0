// The player's shot and the tank's volley: box test, pictures, flight, hits, payouts and their 16-bit limits.
#include <gtest/gtest.h>

#include "game/Shots.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// A quiet field with the controls armed.
struct Armed : Harness {
    Armed() { noSpawns(), tick(2); }
    // Puts the player's shot in flight to the right at (x, y) and runs a tick.
    void shootFrom(int x, int y) { launchShot(x, y), tick(); }
};

}  // namespace

// Guards the box test: only the top-left and bottom-right corners count, bounds included.
TEST(BoxHit, CornersInsideTheFirstBoxCountBoundsIncluded) {
    struct Case {
        double x1, y1, w1, h1, x2, y2, w2, h2;
        bool hit;
    };
    for (const Case& c :
         {Case{0, 0, 33, 24, 33, 24, 14, 14, true}, Case{100, 100, 33, 24, 86, 86, 14, 14, true},
          Case{100, 100, 33, 24, 90, 110, 14, 34, false}, Case{100, 100, 33, 24, 120, 90, 20, 14, false},
          Case{0, 0, 33, 24, 34, 10, 5, 5, false}, Case{162, 0, 33, 42, 195.09, 26, 14, 14, false},
          Case{162, 0, 33, 42, 195.0, 26, 14, 14, true}}) {
        GameState g;
        g.carried.hitFlag = !c.hit;  // the test sets or clears it
        EXPECT_EQ(boxHit(g, c.x1, c.y1, c.w1, c.h1, c.x2, c.y2, c.w2, c.h2), c.hit) << c.x2 << "," << c.y2;
        EXPECT_EQ(g.carried.hitFlag, c.hit);
    }
}

// Guards the picture, mask and square hit box of each gun and shot, and the alternating frames.
TEST(ShotPictures, LaunchDrawsTheRightPictureAtItsMeasuredSquareSize) {
    using enum Pic;
    using T = std::tuple<const char*, const char*, Pic, Pic, int>;  // gun, shot, picture, mask, size
    for (auto [gunType, shotType, picture, mask, size] :
         {T{"Regular", "Regular", shot, shotmask, 14}, T{"Regular", "Mega", shot2, shot2mask, 14},
          T{"Regular", "Giga", shot3, shot3mask, 18}, T{"Ninja", "Regular", imgnsr, imgnsrm, 18},
          T{"Ninja", "Omega", imgnso, imgnsom, 20}, T{"Shocker", "Giga", imgssg, imgssgm, 18},
          T{"Psychic", "Mega", imgpsm, imgpsmm, 18}, T{"regular", "Regular", shot, shotmask, 0}}) {
        SCOPED_TRACE(std::string(gunType) + " " + shotType);
        Armed h;
        h.g.gunType = gunType, h.g.shotType = shotType;
        h.hold(Button::A);
        h.tick();
        ASSERT_EQ(h.g.shotInFlight, 1);
        EXPECT_EQ(vals(h.g.shotW, h.g.shotH), vals(size ? size : 14, size ? size : 14));
        const auto ops = h.opsOf(picture);
        ASSERT_EQ(ops.size(), size ? 1u : 0u) << "an unknown gun draws nothing";
        if (!size) continue;
        const int frame = h.g.carried.shotFrame - 1;
        EXPECT_EQ(
            std::make_tuple(ops[0].mask.pic, ops[0].kind, int(ops[0].picture.frame), int(ops[0].mask.frame)),
            std::make_tuple(mask, DrawOp::Masked, frame, frame));
        EXPECT_EQ(vals(ops[0].x, ops[0].y, ops[0].w, ops[0].h), vals(185, 39, size, size));
        h.tick();
        ASSERT_EQ(h.opsOf(picture).size(), 1u);
        EXPECT_NE(h.opsOf(picture)[0].picture.frame, ops[0].picture.frame) << "frames alternate";
    }
}

// Guards the flight step and the right edge (tested with width 14 whatever the picture); relaunch next tick.
TEST(ShotFlight, FallsSevenAndDriftsSevenAndLeavesAtTheRightEdgeWithWidth14) {
    Armed h;
    h.g.playerX = 291, h.g.shotHomeX = h.g.shotX = 307;
    h.g.gunType = "Ninja", h.g.shotType = "Omega";  // 20 px
    h.hold(Button::A);
    h.tick();
    EXPECT_EQ(vals(h.g.shotX, h.g.shotY), "314 39");
    h.tick();
    EXPECT_EQ(vals(h.g.shotInFlight, h.g.shotX), "1 321") << "314 + 14 = 328 is inside";
    h.tick();
    EXPECT_EQ(vals(h.g.shotInFlight, h.g.shotX, h.g.shotY, h.g.carried.shotRight), "0 307 32 0")
        << "321 + 14 > 328";
    h.tick();
    EXPECT_EQ(h.g.shotInFlight, 1) << "relaunched on the next tick";
    EXPECT_EQ(h.plays(h.snd.playerShotSound), 2);
}

// Guards damage (at least one), a kill's payout and stage, right group first, firing immune, quick relaunch.
TEST(ShotHits, DamageKillsPayoutsAndOrder) {
    for (auto [attack, defence, hpAfter] : {std::tuple{3, 5, 9}, std::tuple{8, 5, 7}, std::tuple{2, 2, 9}}) {
        Armed h;
        const int n = h.addEnemy(true, 100, 100);
        h.g.left.hp[n] = 10, h.g.left.defense[n] = defence, h.g.attackPower = attack;
        h.shootFrom(100, 93);
        EXPECT_EQ(vals(h.g.left.hp[n], h.g.left.hit[n], h.g.left.state[n], h.g.score),
                  vals(hpAfter, "1 alive 0"))
            << "attack " << attack << " defence " << defence;
    }
    Armed h;
    h.g.level = 3;
    const int l = h.addEnemy(true, 100, 100);
    const int shoot = h.addEnemy(false, 100, 100, EnemyState::Shooting);
    const int r = h.addEnemy(false, 100, 100);
    h.g.right.hp[r] = h.g.left.hp[l] = 1;
    h.hold(Button::A);
    h.clearSounds();
    h.shootFrom(110, 110);
    EXPECT_EQ(vals(h.g.right.hp[r], h.g.left.hp[l], h.g.right.hp[shoot]), "0 1 3");
    EXPECT_EQ(h.g.right.state[r], EnemyState::Explode2) << "Explode1 drawn in the same tick";
    EXPECT_EQ(vals(h.g.score, h.g.money, h.g.extraLifePoints, h.g.enemiesOnField), "5 3 0.5 13");
    EXPECT_EQ(h.plays(h.snd.explosionSound), 1);
    EXPECT_EQ(vals(h.g.shotInFlight, h.g.shotX), "1 185") << "relaunched at once";
}

// Guards the tank's damage picture by quarters, its per-hit payout and its two-tick flash.
TEST(TankHits, DamagePicturesByQuarters) {
    for (auto [before, picture] : {std::pair{77, 0}, {76, 1}, {52, 1}, {51, 2}, {27, 2}, {26, 3}, {2, 3}}) {
        Armed h;
        h.g.tankHP = before;
        h.shootFrom(100, 290);  // 297 after the flight step: below the tank's top row
        EXPECT_EQ(vals(h.g.tankHP, h.g.tankPicIndex, h.g.tankShattered), vals(before - 1, picture, 0));
        EXPECT_EQ(vals(h.g.score, h.g.extraLifePoints, h.g.shotInFlight), "10 1 0");
        for (int flashes : {1, 1, 0}) {
            EXPECT_EQ(vals(h.countOps(Pic::tankflash), h.countOps(Pic::tank)), vals(flashes, 1 - flashes));
            h.tick();
        }
    }
}

// Guards the launch tick, the aim, the flight, the sound and its timer, the end and the next launch.
TEST(Volley, StartsOnTick49AimsAtThePlayerAndLasts86Ticks) {
    Harness h;
    h.noSpawns();
    h.g.playerX = 10, h.g.playerY = 100, h.g.volleyTicks = (327 - 100) / 4.0;
    h.tick(48);
    EXPECT_FALSE(h.g.volleyActive);
    h.tick();  // 49
    ASSERT_TRUE(h.g.volleyActive);
    EXPECT_EQ(vals(h.g.volleyTimer, h.g.volleyY, h.g.volleyX[0], h.g.volleyX[3]), "0 310 0 308");
    EXPECT_EQ(std::make_pair(h.g.carried.volleyStepRight, h.g.carried.volleyStepLeft),
              std::make_pair((10 + 14) / 56.75, (324 - 10 - 33 + 1) / 56.75));
    EXPECT_EQ(h.g.carried.volleyShotFlying, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(h.countOps(Pic::tankshot), 2) << "drawn on the launch tick";
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 0) << "the sound starts with the first flight step";
    h.tick();  // 50: first flight step
    EXPECT_DOUBLE_EQ(h.g.volleyX[3], 308 - h.g.carried.volleyStepLeft);
    EXPECT_EQ(vals(h.g.volleyY, h.plays(h.snd.tankShotSound), h.w().tankShotTimer.Enabled()), "306 1 1");
    h.tick(37);  // tick 87: 1811 ms after the timer was enabled (tick 50) it has fired once
    EXPECT_EQ(h.plays(h.snd.tankShotSound), 2);
    h.tick(134 - 87);  // tick 134: 85 flight steps, y = -30
    EXPECT_TRUE(h.g.volleyActive);
    h.tick();  // 135: y = -34, -34 + 31 < 0
    EXPECT_FALSE(h.g.volleyActive || h.w().tankShotTimer.Enabled() || h.w().volleyUnderway);
    EXPECT_EQ(vals(h.stops(h.snd.tankShotSound), h.countOps(Pic::tankshot)), "1 0");
    h.tick(12);
    EXPECT_FALSE(h.g.volleyActive);
    h.tick();  // 148 = 49 + 99
    EXPECT_TRUE(h.g.volleyActive);
}

// Guards the player's hit box against the diagonal shots: a still player is hit on flight steps 71 and 72.
TEST(Volley, TheDiagonalShotsHitAStillPlayerOnFlightSteps71And72) {
    Harness h;
    h.noSpawns(), h.tick(119);  // 70 flight steps
    EXPECT_EQ(h.g.playerHP, 5);
    h.tick();  // step 71: shot 0's corner (166.9, 40) is inside the player's box (162..195, 0..42)
    EXPECT_EQ(vals(h.g.playerHP, h.g.playerState), "4 flashing");
    EXPECT_EQ(h.g.carried.volleyShotFlying, (std::array<bool, 4>{false, true, true, true}))
        << "shot 3 is at x 195.1, just outside";
    h.tick();  // step 72: shot 3 at x 193.5, y 22
    EXPECT_EQ(h.g.playerHP, 3);
    EXPECT_EQ(h.g.carried.volleyShotFlying, (std::array<bool, 4>{false, true, true, false}));
}
