// Frame composition: background tiles, draw order, poses, flashes and explosions.
#include <gtest/gtest.h>

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
};

}  // namespace

// Half-pixel scroll rounded to even; stars then earth under everything else.
TEST(Background, TilesScrollByHalfAPixelAndAreDrawnAtTheEvenNeighbour) {
    Harness h;
    h.noSpawns();
    h.tick();
    auto stars = h.opsOf(Pic::imgStars);
    ASSERT_EQ(stars.size(), 2u);
    EXPECT_EQ(stars[0].x, -242) << "-242.5 goes to the even -242";
    EXPECT_EQ(stars[1].x, 238) << "237.5 goes to the even 238";
    EXPECT_EQ(std::make_tuple(stars[0].y, stars[0].w, stars[0].h), std::make_tuple(-8, 484, 214));
    EXPECT_EQ(stars[0].kind, DrawOp::Copy);
    h.tick(2);
    stars = h.opsOf(Pic::imgStars);
    EXPECT_EQ(stars[0].x, -244) << "-243.5 goes to -244";
    EXPECT_EQ(stars[1].x, 236) << "236.5 goes to 236";
    const auto earth = h.opsOf(Pic::imgEarth);
    ASSERT_EQ(earth.size(), 2u);
    EXPECT_EQ(earth[0].y, 200);
    EXPECT_EQ(earth[0].h, 164);
    const auto& ops = h.w().frame().ops;
    EXPECT_EQ(ops[0].picture.pic, Pic::imgStars);
    EXPECT_EQ(ops[2].picture.pic, Pic::imgEarth);
}

// A third tile on tick 476, then one every 960; only tiles on the field are drawn.
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

// Player, shot, volley, tank, then the right and left groups.
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
    EXPECT_EQ(order, (std::vector<Pic>{Pic::beerights, Pic::shot, Pic::tankshot, Pic::tankshot, Pic::shot, Pic::shot,
                                       Pic::tank, Pic::enemyright, Pic::enemyleft}));
}

// Facing and the fire pose choose the player's picture and mask.
TEST(PlayerPose, FacingAndFirePoseChooseThePicture) {
    Armed h;
    h.g.facingLeft = true;
    h.g.facingRight = false;
    h.tick();
    ASSERT_EQ(h.countOps(Pic::beeleft), 1);
    EXPECT_EQ(h.opsOf(Pic::beeleft)[0].mask.pic, Pic::beeleftmask);
    EXPECT_EQ(h.opsOf(Pic::beeleft)[0].picture.frame, h.g.carried.playerFrame - 1);
    h.hold(Button::A);
    h.tick();
    ASSERT_EQ(h.countOps(Pic::beelefts), 1);
    EXPECT_EQ(h.opsOf(Pic::beelefts)[0].mask.pic, Pic::beeleftsmask);
}

// An enemy hit flash lasts three ticks.
TEST(EnemyDrawing, AHitFlashShowsOnThreeTicksThenTheNormalPicture) {
    Armed h;
    const int n = h.addEnemy(true, 100, 100);
    h.g.left.hp[n] = 5;
    h.g.shotInFlight = 1;
    h.g.carried.shotRight = true;
    h.g.shotX = 100;
    h.g.shotY = 93;
    for (int t = 0; t < 3; ++t) {
        h.tick();
        ASSERT_EQ(h.countOps(Pic::enemyrightf), 1) << "tick T+" << t;
        EXPECT_EQ(h.opsOf(Pic::enemyrightf)[0].mask.pic, Pic::enemyrightmask);
    }
    EXPECT_EQ(h.g.left.hit[n], 0);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::enemyrightf), 0);
    EXPECT_EQ(h.countOps(Pic::enemyright), 1);
}

// Four explosion frames at the enemy's place, then the slot is parked; its shot flies on.
TEST(EnemyDrawing, ExplosionFramesOnFourTicksAboveTheEnemyThenParked) {
    Armed h;
    const int n = h.addEnemy(false, 200, 100);
    h.g.right.shotFlying[n] = true;
    h.g.right.shotX[n] = 150;
    h.g.shotInFlight = 1;
    h.g.carried.shotRight = true;
    h.g.shotX = 200;
    h.g.shotY = 93;
    for (int f = 0; f < 4; ++f) {
        h.tick();
        const auto ops = h.opsOf(Pic::explode);
        ASSERT_EQ(ops.size(), 1u) << "tick T+" << f;
        EXPECT_EQ(ops[0].picture.frame, f);
        EXPECT_EQ(ops[0].mask.frame, f);
        EXPECT_EQ(std::make_tuple(ops[0].x, ops[0].y, ops[0].w, ops[0].h), std::make_tuple(200, 92, 33, 42));
    }
    EXPECT_EQ(h.g.right.state[n], EnemyState::Gone);
    EXPECT_EQ(h.g.right.y[n], -1111);
    h.tick();
    EXPECT_EQ(h.countOps(Pic::explode), 0);
    EXPECT_EQ(h.countOps(Pic::enemyleft), 0);
    EXPECT_EQ(h.g.right.shotX[n], 100) << "five moves of 10 to the left";
    EXPECT_EQ(h.countOps(Pic::enemyshot), 1);
}

// A frozen tick (focus lost) also freezes the explosion stage.
TEST(EnemyDrawing, AnExplosionStaysOnItsFrameWhileThePauseFreezesTheTick) {
    Armed h;
    const int n = h.addEnemy(true, 100, 100, EnemyState::Explode1);
    h.fg.setForeground(nullptr);
    h.tick(2);
    ASSERT_FALSE(h.w().moveTimer.Enabled());
    const EnemyState stage = h.g.left.state[n];
    EXPECT_NE(stage, EnemyState::Gone);
    h.tick(10);
    EXPECT_EQ(h.g.left.state[n], stage);
}
