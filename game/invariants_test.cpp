// The soaks' invariant checker: each kind of broken state must be reported.
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/Harness.h"
#include "tests/support/Invariants.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// A run a few seconds in, with enemies on the field.
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

// Guards a checker that stays quiet on a broken rule (one of each kind), letting the soak pass a broken game.
TEST(Invariants, ReportEachBrokenRule) {
    Played p;
    ASSERT_GT(p.h.g.right.count + p.h.g.left.count, 0) << "the scene needs an enemy";
    const bool leftGroup = p.h.g.right.count == 0;
    auto slot = [leftGroup](GameState& g) -> EnemyGroup& { return leftGroup ? g.left : g.right; };
    const std::function<void(GameState&)> changes[] = {
        [](GameState& g) { g.enemiesOnField = g.enemiesOnField + 1; },
        [](GameState& g) { g.playerX = g.playerX + 5; },
        [](GameState& g) { g.playerHP = 0; g.playerState = PlayerState::Alive; },
        [](GameState& g) { g.shotInFlight = 0; g.shotX = g.shotHomeX + 7; },
        [](GameState& g) { g.score = g.score + 3; },
        [](GameState& g) { g.earthTileX.pop_back(); },
        [&](GameState& g) { slot(g).state.pop_back(); },  // the spare slot
    };
    for (size_t i = 0; i < std::size(changes); ++i) EXPECT_NE(brokenBy(changes[i]), "") << "change " << i;
}

// Guards the lowered-count rule, and newRun() letting a new run start from nothing.
TEST(Invariants, CountsAreNeverLoweredWithinALevel) {
    Played p;
    InvariantChecker checker;
    ASSERT_EQ(checker.check(p.h.g), "");
    GameState g = p.h.g;
    EnemyGroup& grp = g.right.count > 0 ? g.right : g.left;
    grp.count = grp.count - 1;
    EXPECT_NE(checker.check(g), "");
    Harness next;
    EXPECT_NE(checker.check(next.g), "") << "without newRun() the counts look lowered";
    checker.newRun();
    EXPECT_EQ(checker.check(next.g), "") << describeState(next.g);
}
