// The game with broken media: files missing, cut short, or not audio at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

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

// Every third file missing, every third cut short, every third a bare header
// (or text that only looks like audio by its name).
void breakMedia(const fs::path& folder) {
    const fs::path data = fs::path(VRH_TEST_DATA) / "audio";
    const std::string mp3 = bytesOf(data / "tone44k.mp3"), wav = bytesOf(data / "blip22k.wav");
    int i = 0;
    for (const MediaEntry& e : kMediaTable) {
        const fs::path f = folder.string() + std::string(e.fileText);
        const bool isMp3 = f.extension() == ".mp3";
        switch (i++ % 3) {
        case 0: fs::remove(f); break;
        case 1: std::ofstream(f, std::ios::binary) << (isMp3 ? mp3.substr(0, 700) : wav.substr(0, 300)); break;
        default: std::ofstream(f, std::ios::binary) << (isMp3 ? std::string("ID3\x03", 4) : wav.substr(0, 44)); break;
        }
    }
}

}  // namespace

// Guards a crash, a hang or a bad player status when media files are broken.
TEST(BrokenMedia, TheGamePlaysOnSilently) {
    auto device = makeAudioDevice(AudioBackend::Automatic);
    Harness h(7, HarnessMedia{device.get(), breakMedia});
    std::mt19937 player(11);
    int ticks = 0;
    for (int step = 0; step < 2400; ++step) {  // two minutes of play, new runs and levels included
        if (step % 10 == 0) {
            h.releaseAll();
            for (Button b : {Button::A, Button::Left, Button::Right, Button::Up, Button::Down})
                if (player() % 3 == 0) h.hold(b);
        }
        const int before = h.ticksRun();
        h.tick();
        ticks += h.ticksRun() - before;
        if (!h.host.shopCaptions.empty()) {
            h.host.shopCaptions.clear();
            h.closeShop();
        }
        if (h.w().unloaded()) h.newRun();
    }
    EXPECT_GT(ticks, 2000) << "the game ran (pauses and explosions aside)";
    for (Sound* s : {&h.snd.music[1], &h.snd.music[2], &h.snd.music[3], &h.snd.playerShotSound,
                     &h.snd.explosionSound, &h.snd.enemyShotSound, &h.snd.tankShotSound}) {
        const TrackMode mode = s->mode();
        EXPECT_TRUE(mode == TrackMode::NotOpen || mode == TrackMode::Stopped || mode == TrackMode::Playing) << s->fileName();
    }
    bool somethingPlayed = false;  // the files that could be opened were really played
    for (const std::string& c : h.audio.calls) somethingPlayed |= c.starts_with("play ");
    EXPECT_TRUE(somethingPlayed);
}
