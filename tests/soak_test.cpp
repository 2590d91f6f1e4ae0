// Minutes of play with random keys: the invariants of the state hold on
// every tick, through level changes and new runs.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/Harness.h"
#include "tests/support/Invariants.h"

using namespace vrh;
using namespace vrh::test;

namespace {

struct SoakResult {
    int levelChanges = 0, runs = 1;
};

SoakResult soak(uint32_t seed, int attack, int minutes) {
    Harness h(seed);
    std::mt19937 keys(seed);
    InvariantChecker invariants;
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
            invariants.newRun();
        } else if (!h.host.shopCaptions.empty()) {
            ++levelChanges;
            h.host.shopCaptions.clear();
            h.closeShop();
        }
        const std::string broken = invariants.check(h.g);
        if (!broken.empty()) {
            ADD_FAILURE() << "tick " << t << ": " << broken << "\n" << describeState(h.g);
            return r;
        }
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
