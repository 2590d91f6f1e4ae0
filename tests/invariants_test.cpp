// The invariant checker of the soaks: quiet on real play, and each kind of
// broken state is reported.
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/Harness.h"
#include "tests/support/Invariants.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// A run a few seconds in, with an enemy on each side.
struct Played {
    Harness h;
    Played() {
        h.hold(Button::A);
        h.hold(Button::Down);
        h.tick(60);
        h.releaseAll();
    }
};

std::string brokenBy(const std::function<void(GameState&)>& change) {
    Played p;
    InvariantChecker checker;
    EXPECT_EQ(checker.check(p.h.g), "") << describeState(p.h.g);
    GameState g = p.h.g;
    change(g);
    return checker.check(g);
}

}  // namespace

TEST(Invariants, HoldThroughPlay) {
    Played p;
    InvariantChecker checker;
    for (int t = 0; t < 400; ++t) {
        p.h.hold(t % 50 < 25 ? Button::Left : Button::Right);
        p.h.tick();
        ASSERT_EQ(checker.check(p.h.g), "") << "tick " << t << "\n" << describeState(p.h.g);
        p.h.releaseAll();
    }
}

TEST(Invariants, ReportEachBrokenRule) {
    EXPECT_NE(brokenBy([](GameState& g) { g.enemiesOnField = g.enemiesOnField + 1; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.enemyShotsInAir = g.enemyShotsInAir + 1; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.playerX = g.playerX + 5; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.playerY = 250; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.lives = -1; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.playerHP = g.playerMaxHP + 1; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.playerHP = 0; g.playerState = kAlive; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.playerState = "Sleeping"; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.facingLeft = g.facingRight; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.shotInFlight = 0; g.shotX = g.shotHomeX + 7; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.volleyTicks += 2.5; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.tankShattered = true; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.score = g.score + 3; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.gunType = "Laser"; }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.earthTileX.pop_back(); }), "");
    EXPECT_NE(brokenBy([](GameState& g) { g.volleyState[2] = "Shot"; }), "");
}

TEST(Invariants, ReportBrokenEnemySlots) {
    Played p;
    ASSERT_GT(p.h.g.right.count + p.h.g.left.count, 0) << "the scene needs an enemy";
    EnemyGroup GameState::*side = p.h.g.right.count > 0 ? &GameState::right : &GameState::left;
    const bool leftGroup = side == &GameState::left;
    auto slot = [&](GameState& g) -> EnemyGroup& { return g.*side; };
    EXPECT_NE(brokenBy([&](GameState& g) { slot(g).state[0] = leftGroup ? "Alive Right" : "Alive Left"; }), "");
    EXPECT_NE(brokenBy([&](GameState& g) { slot(g).shotState[0] = "Shooting"; }), "");
    EXPECT_NE(brokenBy([&](GameState& g) { slot(g).state.pop_back(); }), "") << "the spare slot";
    EXPECT_NE(brokenBy([&](GameState& g) { slot(g).x[0] = slot(g).x[0] + 1; }), "");
    EXPECT_NE(brokenBy([&](GameState& g) { slot(g).hit[0] = 2; }), "");
}

TEST(Invariants, CountsAreNeverLoweredWithinALevel) {
    Played p;
    InvariantChecker checker;
    ASSERT_EQ(checker.check(p.h.g), "");
    GameState g = p.h.g;
    EnemyGroup& grp = g.right.count > 0 ? g.right : g.left;
    ASSERT_GT(grp.count, 0);
    grp.count = grp.count - 1;
    EXPECT_NE(checker.check(g), "");

    // A new run starts its counts (and its score) from nothing.
    Harness next;
    ASSERT_EQ(next.g.left.count + next.g.right.count, 0);
    EXPECT_NE(checker.check(next.g), "") << "without newRun() the counts look lowered";
    checker.newRun();
    EXPECT_EQ(checker.check(next.g), "") << describeState(next.g);
}
