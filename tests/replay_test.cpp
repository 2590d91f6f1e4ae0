// A seeded three-minute run played from a fixed key script. Its end state and
// the draw lists of chosen ticks are pinned: any change to the rules that
// alters what a player would see or score shows up here.
//
// The pinned values were recorded once from this script and checked by hand
// for plausibility (see the comments at the expectations). If a deliberate
// rule change moves them, rerun with VRH_REPLAY_PRINT=1 to see the new ones.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

namespace {

// FNV-1a over every field of every draw operation.
uint64_t frameHash(const Frame& f) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&](int64_t v) {
        for (int i = 0; i < 8; ++i) {
            h ^= uint64_t(v >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    for (const DrawOp& op : f.ops) {
        mix(op.kind);
        mix(int(op.picture.pic));
        mix(op.picture.frame);
        mix(int(op.mask.pic));
        mix(op.mask.frame);
        mix(op.x);
        mix(op.y);
        mix(op.w);
        mix(op.h);
    }
    return h;
}

// The key script: A held except every seventh tick; sweeps right and left in
// 40-tick phases with pauses between; short dives and climbs.
void script(Harness& h, int t) {
    h.releaseAll();
    if (t % 7 != 0) h.hold(Button::A);
    switch ((t / 40) % 4) {
        case 0: h.hold(Button::Right); break;
        case 2: h.hold(Button::Left); break;
        default: break;
    }
    if (t % 150 < 10) h.hold((t / 150) % 2 == 0 ? Button::Down : Button::Up);
}

struct ReplayResult {
    int ticks = 0, levelChanges = 0;
    std::map<int, uint64_t> hashes;
};

ReplayResult play(Harness& h, int totalTicks, const std::vector<int>& hashTicks) {
    ReplayResult r;
    h.host.onPresent = [&](const Frame& f) {
        for (int t : hashTicks)
            if (h.ticksRun() == t) r.hashes[t] = frameHash(f);
    };
    for (int t = 0; t < totalTicks && !h.w().unloaded(); ++t) {
        script(h, t);
        h.tick();
        if (!h.host.shopCaptions.empty()) {
            // Straight on to the next level, buying nothing.
            ++r.levelChanges;
            h.host.shopCaptions.clear();
            h.closeShop();
        }
    }
    r.ticks = h.ticksRun();
    return r;
}

}  // namespace

TEST(Replay, ThreeScriptedMinutesEndInThePinnedState) {
    Harness h(12345);
    // As if loaded from a slot: a strong shot and many lives, so that the
    // three minutes cross levels and lose lives without ending the run.
    h.g.attackPower = 3;
    h.g.lives = 40;
    const std::vector<int> hashTicks{50, 500, 1000, 2000, 3000};
    const ReplayResult r = play(h, 3600, hashTicks);
    const GameState& g = h.g;

    if (std::getenv("VRH_REPLAY_PRINT")) {
        std::printf("ticks %d levelChanges %d level %d score %lld money %lld lives %d hp %d\n",
                    r.ticks, r.levelChanges, int(g.level), (long long)g.score, (long long)g.money,
                    int(g.lives), int(g.playerHP));
        std::printf("left %d right %d field %d tankHP %d tiles %d extra %.1f state %s\n",
                    int(g.left.count), int(g.right.count), int(g.enemiesOnField), int(g.tankHP),
                    int(g.earthTileCount), g.extraLifePoints, g.playerState.c_str());
        for (auto [t, v] : r.hashes) std::printf("hash %d 0x%016llx\n", t, (unsigned long long)v);
    }

    // One 50 ms step passes in the shop (the level change stops the tick).
    EXPECT_EQ(r.ticks, 3599);
    // Plausibility: the level-1 tank (100 HP) falls to 34 shots of 3, paying
    // 100; level 2's tank has taken 10 (200 - 30 = 170). 44 tank hits and 6
    // kills give score 44 x 10 + 6 x 5 = 470 and life points 44 + 3 = 47 (no
    // extra life: the price is 100); money 100 + 6 kills at level 1. Eleven
    // of the 40 lives were lost to rams, shots and volleys.
    EXPECT_EQ(r.levelChanges, 1);
    EXPECT_EQ(g.level, 2);
    EXPECT_EQ(g.score, 470);
    EXPECT_EQ(g.money, 106);
    EXPECT_EQ(g.lives, 29);
    EXPECT_EQ(g.playerHP, 1);
    EXPECT_EQ(g.left.count, 1);
    EXPECT_EQ(g.right.count, 2);
    EXPECT_EQ(g.enemiesOnField, 2);
    EXPECT_EQ(g.tankHP, 170);
    // Tiles: every layer grows by one at tick 476 and every 960 ticks after.
    EXPECT_EQ(g.earthTileCount, 2 + 1 + (3599 - 476) / 960);
    EXPECT_EQ(g.extraLifePoints, 47.0);
    ASSERT_EQ(r.hashes.size(), hashTicks.size());
    EXPECT_EQ(r.hashes.at(50), 0x6371aa95ef86ca2cull);
    EXPECT_EQ(r.hashes.at(500), 0xab48368ea556ba95ull);
    EXPECT_EQ(r.hashes.at(1000), 0xc9b679212c72eb77ull);
    EXPECT_EQ(r.hashes.at(2000), 0xe881fadb3536fc5dull);
    EXPECT_EQ(r.hashes.at(3000), 0x97ebc033a12bd3f9ull);
}

TEST(Replay, TheSameScriptAndSeedGiveTheSameRun) {
    Harness a(99), b(99);
    const std::vector<int> ticks{100, 700};
    const ReplayResult ra = play(a, 800, ticks);
    const ReplayResult rb = play(b, 800, ticks);
    EXPECT_EQ(ra.hashes, rb.hashes);
    EXPECT_EQ(a.g.score, b.g.score);
    Harness c(100);
    const ReplayResult rc = play(c, 800, ticks);
    EXPECT_NE(ra.hashes, rc.hashes) << "another seed spawns elsewhere";
}
