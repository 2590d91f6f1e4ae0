// The soaks' invariants: the checker reports broken states; they hold in random play with broken media.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "audio/AudioDevice.h"
#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every third file missing, every third cut short, every third a bare header.
void breakMedia(const fs::path& folder) {
    const fs::path data = fs::path(VRH_TEST_DATA) / "audio";
    const std::string mp3 = bytesOf(data / "tone44k.mp3"), wav = bytesOf(data / "blip22k.wav");
    int i = 0;
    for (const MediaEntry& e : kMediaTable) {
        const fs::path f = folder.string() + std::string(e.fileText);
        const bool isMp3 = f.extension() == ".mp3";
        const std::string shortened[] = {isMp3 ? mp3.substr(0, 700) : wav.substr(0, 300),
                                         isMp3 ? std::string("ID3\x03", 4) : wav.substr(0, 44)};
        if (i % 3) std::ofstream(f, std::ios::binary) << shortened[i % 3 - 1];
        if (i++ % 3 == 0) fs::remove(f);
    }
}

}  // namespace

// Guards a checker quiet on a broken rule (letting the soak pass a broken game), and newRun().
TEST(Invariants, ReportEachBrokenRule) {
    Harness h;
    h.hold(Button::A), h.hold(Button::Down), h.tick(60);
    InvariantChecker checker;
    ASSERT_EQ(checker.check(h.g), "") << describeState(h.g);
    auto group = [](GameState& g) -> EnemyGroup& { return g.right.count ? g.right : g.left; };
    ASSERT_GT(group(h.g).count, 0) << "the scene needs an enemy";
    const std::function<void(GameState&)> changes[] = {
        [](GameState& g) { g.enemiesOnField = g.enemiesOnField + 1; },
        [](GameState& g) { g.playerX = g.playerX + 5; },
        [](GameState& g) { g.playerHP = 0, g.playerState = PlayerState::Alive; },
        [](GameState& g) { g.shotInFlight = 0, g.shotX = g.shotHomeX + 7; },
        [](GameState& g) { g.score = g.score + 3; },
        [](GameState& g) { g.earthTileX.pop_back(); },
        [&](GameState& g) { group(g).state.pop_back(); },  // the spare slot
        [&](GameState& g) { group(g).count = group(g).count - 1; }};
    for (size_t i = 0; i < std::size(changes); ++i) {
        InvariantChecker fresh;
        EXPECT_EQ(fresh.check(h.g), "");
        GameState g = h.g;
        changes[i](g);
        EXPECT_NE(fresh.check(g), "") << "change " << i;
    }
    Harness next;
    EXPECT_NE(checker.check(next.g), "") << "without newRun() the counts look lowered";
    checker.newRun();
    EXPECT_EQ(checker.check(next.g), "") << describeState(next.g);
}

// Guards a crash, a hang, a bad player status with broken media, and any broken invariant in random play.
TEST(Invariants, HoldOverRandomPlayWithBrokenMedia) {
    auto device = makeAudioDevice(AudioBackend::Automatic);
    Harness h(7, device.get(), breakMedia);
    InvariantChecker checker;
    std::mt19937 player(11);
    int ticks = 0, levels = 0, runs = 0;
    bool played = false;  // the files that could be opened were really played
    for (int step = 0; step < 4000; ++step) {
        if (step % 10 == 0) {
            h.releaseAll();
            for (auto [b, outOf6] :
                 {std::pair{Button::A, 5}, std::pair{Button::Down, 3}, std::pair{Button::Up, 1},
                  std::pair{Button::Left, 2}, std::pair{Button::Right, 2}})
                if (int(player() % 6) < outOf6) h.hold(b);
        }
        if (h.ticksRun() == 0) h.g.attackPower = 20;  // strong enough to finish levels
        const int before = h.ticksRun();
        h.tick();
        ticks += h.ticksRun() - before;
        if (!h.host.shopCaptions.empty()) h.host.shopCaptions.clear(), h.closeShop(), ++levels;
        if (h.w().unloaded()) h.newRun(), checker.newRun(), ++runs;
        for (const std::string& c : h.audio.calls) played |= c.starts_with("play ");
        h.clearSounds();
        ASSERT_EQ(checker.check(h.g), "") << "step " << step << "\n" << describeState(h.g);
    }
    EXPECT_TRUE(ticks > 3500 && levels > 2 && runs > 0 && played) << ticks << " " << levels << " " << runs;
    for (Sound* s : {&h.snd.music[1], &h.snd.music[2], &h.snd.music[3], &h.snd.playerShotSound,
                     &h.snd.explosionSound, &h.snd.enemyShotSound, &h.snd.tankShotSound})
        EXPECT_NE(s->mode(), TrackMode::Paused) << s->fileName();  // nothing pauses a sound
}
