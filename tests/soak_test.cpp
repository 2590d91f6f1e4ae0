// Minutes of play with random keys: the invariants of the state hold on
// every tick, through level changes and new runs.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

const std::set<std::string> kPlayerStates{"Alive", "Flashing", "Explode", "Blinking", "Dead"};

bool enemyStateOk(const std::string& s, const std::string& side) {
    if (s.empty() || s == "Alive " + side || s == "Shoot " + side) return true;
    for (int k = 1; k <= 4; ++k)
        if (s == "Explode" + std::to_string(k) + " " + side) return true;
    return false;
}

struct Baseline {
    int level = -1, left = 0, right = 0;
};

void checkInvariants(const Harness& h, Baseline& base, int tick) {
    const GameState& g = h.g;
    SCOPED_TRACE("tick " + std::to_string(tick));
    if (g.level != base.level) base = {g.level, 0, 0};
    ASSERT_GE(g.left.count, base.left) << "counts are never lowered within a level";
    ASSERT_GE(g.right.count, base.right);
    base.left = g.left.count;
    base.right = g.right.count;
    ASSERT_GE(g.enemiesOnField, 0);
    ASSERT_LE(g.enemiesOnField, 14);
    ASSERT_GE(g.enemyShotsInAir, 0);
    ASSERT_LE(g.enemyShotsInAir, 14);
    ASSERT_TRUE(kPlayerStates.count(g.playerState)) << g.playerState;
    for (const auto* grp : {&g.left, &g.right}) {
        const std::string side = grp == &g.left ? "Left" : "Right";
        ASSERT_GE(grp->upperBound(), int(grp->count)) << "the spare slot";
        for (int i = 0; i < grp->count; ++i) {
            ASSERT_TRUE(enemyStateOk(grp->state[i], side)) << grp->state[i];
            ASSERT_TRUE(grp->shotState[i].empty() || grp->shotState[i] == "Shoot");
        }
    }
    for (const auto& s : g.volleyState) ASSERT_TRUE(s.empty() || s == "Shoot");
    ASSERT_EQ(g.earthTileX.size(), size_t(g.earthTileCount) + 1);
    ASSERT_EQ(g.starsTileX.size(), size_t(g.starsTileCount) + 1);
    ASSERT_TRUE(g.shotInFlight == 0 || g.shotInFlight == 1);
    ASSERT_GE(g.lives, 0);
    ASSERT_TRUE(g.playerX >= -8 && g.playerX <= 292) << g.playerX;
    ASSERT_TRUE(g.playerY >= 0 && g.playerY <= 240) << g.playerY;
    ASSERT_EQ(g.facingLeft, !g.facingRight);
}

struct SoakResult {
    int levelChanges = 0, runs = 1;
};

SoakResult soak(uint32_t seed, int attack, int minutes) {
    Harness h(seed);
    std::mt19937 keys(seed);
    Baseline base;
    SoakResult r;
    int& levelChanges = r.levelChanges;
    int& runs = r.runs;
    const Button buttons[] = {Button::A, Button::Up, Button::Down, Button::Left, Button::Right};
    h.g.attackPower = attack;
    for (int t = 0; t < minutes * 1200; ++t) {
        for (Button b : buttons) {
            if (keys() % 6 == 0) h.hold(b);
            else if (keys() % 4 == 0) h.release(b);
        }
        h.tick();
        if (h.w().unloaded()) {  // game over: a new run
            ++runs;
            h.releaseAll();
            h.newRun();
            h.g.attackPower = attack;
            base = {};
        } else if (!h.host.shopCaptions.empty()) {
            ++levelChanges;
            h.host.shopCaptions.clear();
            h.closeShop();
        }
        checkInvariants(h, base, t);
        if (::testing::Test::HasFatalFailure()) return r;
    }
    ::testing::Test::RecordProperty("levelChanges", levelChanges);
    ::testing::Test::RecordProperty("runs", runs);
    return r;
}

}  // namespace

TEST(Soak, FiveMinutesOfRandomKeysKeepEveryInvariant) {
    const SoakResult r = soak(1, 1, 5);
    EXPECT_GE(r.runs, 1);
}

TEST(Soak, StrongShotsCrossManyLevels) {
    const SoakResult r = soak(77, 40, 4);
    EXPECT_GE(r.levelChanges, 3) << "the soak must really cross levels";
}
