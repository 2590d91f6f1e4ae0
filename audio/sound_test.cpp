// The Sound player against a recording device: the exact calls it makes.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "audio/Sound.h"
#include "platform/RecordingAudio.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
using Calls = std::vector<std::string>;

namespace {
struct SoundTest : ::testing::Test {
    void SetUp() override {
        for (const char* f : {"bgm1.mp3", "ps2.wav"}) std::ofstream(dir / f) << "x";
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    test::ScratchFolder dir{"vrh_sound"};  // lower case: the player lower-cases what it opens
    RecordingAudio audio;
};
}  // namespace

// Guards the name lower-cased, only playable extensions opened, a missing file silent, and the
// file closed when the player goes away.
TEST_F(SoundTest, OpensOnlyPlayableFilesThatAreThere) {
    const std::pair<const char*, bool> names[] = {
        {"BGM1.MP3", true},    {"missing.wav", true}, {"a.Wma", true},      {"a.cda", true},
        {"jingle.wave", true}, {"x.ogg", false},      {"a.mp3.txt", false}, {"mp3", false},
    };
    for (auto [name, opens] : names) {
        Sound s(audio);
        s.open(path(name));
        s.play();
        s.setVolume(80);
        EXPECT_EQ(s.isOpen(), opens) << name;
        EXPECT_EQ(s.mode(), TrackMode::NotOpen) << "the recording device answers nothing";
    }
    const std::string bgm = path("bgm1.mp3");
    EXPECT_EQ(audio.calls, (Calls{"open " + bgm, "volume " + bgm + " 50", "volume " + bgm + " 50",
                                  "play " + bgm, "volume " + bgm + " 80", "close " + bgm}));
}

// Guards each command's calls: the volume before a play (0 while muted), ranges, stop as stop, pause,
// resume, a second close; the queries read from the device; a second open keeps the first file.
TEST_F(SoundTest, CommandsAndQueries) {
    const std::string p = path("ps2.wav");
    const std::pair<std::function<void(Sound&)>, Calls> cases[] = {
        {[](Sound& s) { s.play(); }, {"volume " + p + " 50", "play " + p}},
        {[](Sound& s) { s.playRange(2.5, 1500); },
         {"volume " + p + " 50", "play " + p + " from 2.5 to 1500"}},
        {[](Sound& s) { s.stop(); }, {"stop " + p}},
        {[](Sound& s) { s.pause(), s.resume(); }, {"pause " + p, "resume " + p}},
        {[](Sound& s) { s.setMuted(true), s.play(), s.setVolume(80), s.setMuted(false); },
         {"volume " + p + " 0", "play " + p, "volume " + p + " 0", "volume " + p + " 80"}},
        {[](Sound& s) { s.close(), s.close(), s.play(), s.stop(); }, {"close " + p}},
        {[&](Sound& s) { s.open(path("bgm1.mp3")); },
         {"open " + path("bgm1.mp3"), "volume " + path("bgm1.mp3") + " 50"}},
    };
    for (const auto& [command, calls] : cases) {
        Sound s(audio);
        s.open(p);
        audio.calls.clear();
        command(s);
        EXPECT_EQ(audio.calls, calls) << calls.back();
    }
    Sound s(audio);
    s.open(path("bgm1.mp3"));
    audio.answers[path("bgm1.mp3")] = {TrackMode::Paused, 68123, 1250};
    EXPECT_EQ(std::tuple(s.mode(), s.lengthMs(), s.positionMs()), std::tuple(TrackMode::Paused, 68123, 1250));
    s.close();
    EXPECT_EQ(std::tuple(s.mode(), s.lengthMs(), s.positionMs()), std::tuple(TrackMode::NotOpen, 0, 0));
}
