// Frame composition: background tiles, draw order, poses, flashes and explosions.
#include <gtest/gtest.h>

#include "combat/Compose.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

TEST(Background, TilesScrollByHalfAPixelAndAreDrawnAtTheEvenNeighbour) {
    Harness h;
    h.noSpawns();
    h.tick();
    auto stars = h.opsOf(Pic::imgStars);
    ASSERT_EQ(stars.size(), 2u);
    EXPECT_EQ(stars[0].x, -242) << "-242.5 goes to the even -242";
    EXPECT_EQ(stars[1].x, 238) << "237.5 goes to the even 238";
    EXPECT_EQ(stars[0].y, -8);
    EXPECT_EQ(stars[0].w, 484);
    EXPECT_EQ(stars[0].h, 214);
    EXPECT_EQ(stars[0].kind, DrawOp::Copy);
    h.tick(2);
    stars = h.opsOf(Pic::imgStars);
    EXPECT_EQ(stars[0].x, -244) << "-243.5 goes to -244";
    EXPECT_EQ(stars[1].x, 236) << "236.5 goes to 236";
    const auto earth = h.opsOf(Pic::imgEarth);
    ASSERT_EQ(earth.size(), 2u);
    EXPECT_EQ(earth[0].y, 200);
    EXPECT_EQ(earth[0].h, 164);
    // Stars first, then earth, both before everything else.
    const auto& ops = h.w().frame().ops;
    EXPECT_EQ(ops[0].picture.pic, Pic::imgStars);
    EXPECT_EQ(ops[2].picture.pic, Pic::imgEarth);
}

TEST(Background, AThirdTileAfter476TicksAndOneMoreEvery960) {
    Harness h;
    h.tick(475);
    EXPECT_EQ(h.g.earthTileCount, 2);
    EXPECT_EQ(h.g.starsTileCount, 2);
    h.tick();
    EXPECT_EQ(h.g.earthTileCount, 3);
    EXPECT_EQ(h.g.starsTileCount, 3);
    EXPECT_EQ(h.g.earthTileX[1], 0);
    EXPECT_EQ(h.g.earthTileX[2], 480);
    EXPECT_EQ(h.g.earthTileX.size(), 4u) << "the spare slot stays";
    h.tick(959);
    EXPECT_EQ(h.g.earthTileCount, 3);
    h.tick();
    EXPECT_EQ(h.g.earthTileCount, 4);
    EXPECT_EQ(h.g.earthTileX[2], 0);
    EXPECT_EQ(h.g.earthTileX[0], -242 - 718);
    // -960 is wholly outside; -480 still shows a 4-pixel strip; 480 is beyond the right edge.
    const auto earth = h.opsOf(Pic::imgEarth);
    ASSERT_EQ(earth.size(), 2u);
    EXPECT_EQ(earth[0].x, -480);
    EXPECT_EQ(earth[1].x, 0);
}

TEST(Background, ScrollArithmeticIsExactForAnyHistory) {
    std::vector<double> xs{-242, 238, 0};
    Int16 count = 2;
    for (int t = 1; t <= 20000; ++t) scrollLayer(xs, count);
    // A tile every 960 ticks from tick 476 on.
    EXPECT_EQ(count, 2 + 1 + (20000 - 476) / 960);
    EXPECT_EQ(xs[0], -242 - 10000);
    EXPECT_EQ(xs.size(), size_t(count) + 1);
    Frame f;
    drawLayer(xs, count, Pic::imgEarth, 200, 484, 164, f);
    EXPECT_LE(f.ops.size(), 2u);
    for (const DrawOp& op : f.ops) {
        EXPECT_GT(op.x + 484, 0);
        EXPECT_LT(op.x, kFieldW);
    }
}

TEST(DrawOrder, PlayerShotVolleyTankThenLeftAndRightGroups) {
    Harness h;
    h.noSpawns();
    h.tick(48);
    h.addEnemy(true, 3, 100);
    h.addEnemy(false, 293, 150);
    h.hold(Button::A);
    h.tick();  // 49: launch of both the shot and the volley
    std::vector<Pic> order;
    for (const DrawOp& op : h.w().frame().ops)
        if (op.picture.pic != Pic::imgStars && op.picture.pic != Pic::imgEarth) order.push_back(op.picture.pic);
    const std::vector<Pic> expected{Pic::beerights, Pic::shot,     Pic::tankshot, Pic::tankshot,
                                    Pic::shot,      Pic::shot,     Pic::tank,     Pic::enemyright,
                                    Pic::enemyleft};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(h.host.presents, 49);
}

TEST(PlayerPose, FacingAndFirePoseChooseThePicture) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    h.g.facingLeft = true;
    h.g.facingRight = false;
    h.tick();
    ASSERT_EQ(h.countOps(Pic::beeleft), 1);
    EXPECT_EQ(h.opsOf(Pic::beeleft)[0].mask.pic, Pic::beeleftmask);
    EXPECT_EQ(h.opsOf(Pic::beeleft)[0].picture.frame, h.g.playerFrame - 1);
    h.hold(Button::A);
    h.tick();
    ASSERT_EQ(h.countOps(Pic::beelefts), 1);
    EXPECT_EQ(h.opsOf(Pic::beelefts)[0].mask.pic, Pic::beeleftsmask);
}

TEST(EnemyDrawing, AHitFlashShowsOnThreeTicksThenTheNormalPicture) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    const int n = h.addEnemy(true, 100, 100);
    h.g.left.hp[n] = 5;
    h.g.shotInFlight = 1;
    h.g.shotRight = true;
    h.g.shotX = 100;
    h.g.shotY = 93;
    h.tick();  // T
    EXPECT_EQ(h.countOps(Pic::enemyrightf), 1);
    EXPECT_EQ(h.opsOf(Pic::enemyrightf)[0].mask.pic, Pic::enemyrightmask);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::enemyrightf), 1);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::enemyrightf), 1);
    EXPECT_EQ(h.g.left.hit[n], 0);
    h.tick();  // T+3
    EXPECT_EQ(h.countOps(Pic::enemyrightf), 0);
    EXPECT_EQ(h.countOps(Pic::enemyright), 1);
}

TEST(EnemyDrawing, ExplosionFramesOnFourTicksAboveTheEnemyThenParked) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    const int n = h.addEnemy(false, 200, 100);
    h.g.right.shotState[n] = "Shoot";  // its shot flies on
    h.g.right.shotX[n] = 150;
    h.g.shotInFlight = 1;
    h.g.shotRight = true;
    h.g.shotX = 200;
    h.g.shotY = 93;
    for (int f = 0; f < 4; ++f) {
        h.tick();
        const auto ops = h.opsOf(Pic::explode);
        ASSERT_EQ(ops.size(), 1u) << "tick T+" << f;
        EXPECT_EQ(ops[0].picture.frame, f);
        EXPECT_EQ(ops[0].mask.frame, f);
        EXPECT_EQ(ops[0].x, 200);
        EXPECT_EQ(ops[0].y, 92);
        EXPECT_EQ(ops[0].w, 33);
        EXPECT_EQ(ops[0].h, 42);
    }
    EXPECT_EQ(h.g.right.state[n], "");
    EXPECT_EQ(h.g.right.y[n], -1111);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::explode), 0);
    EXPECT_EQ(h.countOps(Pic::enemyleft), 0);
    EXPECT_EQ(h.g.right.shotX[n], 100) << "five moves of 10 to the left";
    EXPECT_EQ(h.countOps(Pic::enemyshot), 1);
}

TEST(EnemyDrawing, AnExplosionStaysOnItsFrameWhileThePauseFreezesTheTick) {
    Harness h;
    h.noSpawns();
    h.tick(2);
    const int n = h.addEnemy(true, 100, 100, "Explode1 Left");
    h.fg.setForeground(nullptr);  // another application in front: frozen within 100 ms
    h.tick(2);
    ASSERT_FALSE(h.w().tmrMoves.Enabled());
    const std::string stage = h.g.left.state[n];
    EXPECT_NE(stage, "");
    h.tick(10);
    EXPECT_EQ(h.g.left.state[n], stage);
    h.fg.setForeground(h.self());
    h.tick(2);
    EXPECT_TRUE(h.w().tmrMoves.Enabled()) << "thawed by the focus check";
}
