// The Sound player against a recording device: the exact calls it makes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "audio/Sound.h"
#include "platform/RecordingAudio.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
using Calls = std::vector<std::string>;

namespace {

// A lower-case folder of media files (the player lower-cases what it opens).
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {"bgm1.mp3", "ps2.wav", "jingle.wave", "x.ogg"}) std::ofstream(dir / f) << "x";
    }
    std::unique_ptr<Sound> opened(const std::string& name) {  // open, then forget the open's calls
        auto s = std::make_unique<Sound>(audio);
        s->open(path(name));
        audio.calls.clear();
        return s;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    test::ScratchFolder dir{"vrh_sound"};
    RecordingAudio audio;
};

// Opening lower-cases the name and finds the file; only playable extensions open; refused names call nothing.
TEST_F(SoundTest, OpenLowerCasesAndAcceptsOnlyPlayableNames) {
    Sound s(audio);
    s.open(dir.string() + "/BGM1.MP3");
    EXPECT_EQ(s.fileName(), path("bgm1.mp3"));
    EXPECT_EQ(audio.calls, (Calls{"open " + path("bgm1.mp3"), "volume " + path("bgm1.mp3") + " 50"}));
    for (auto [name, playable] : {std::pair{"JINGLE.WAVE", true}, {"ps2.wav", true}, {"a.wma", true}, {"a.cda", true},
                                  {"a.Wma", true}, {"x.ogg", false}, {"a.mp3.txt", false}, {"mp3", false}, {"a.wa", false}}) {
        Sound t(audio);
        t.open(path(name));
        t.play();
        EXPECT_EQ(t.isOpen(), playable) << name;
    }
    EXPECT_EQ(audio.count("play " + path("jingle.wave")), 1);
    EXPECT_EQ(audio.count("play " + path("ps2.wav")), 1);
    EXPECT_EQ(audio.calls.size(), 2u + 2 * 5) << "only the two files there: open, volume, volume, play, close";
}

// A missing file keeps its name, stays silent and reads NotOpen.
TEST_F(SoundTest, MissingFileIsSilent) {
    Sound s(audio);
    s.open(path("missing.wav"));
    s.play();
    s.playRange(1, 2);
    s.setVolume(80);
    EXPECT_EQ(s.fileName(), path("missing.wav"));
    EXPECT_EQ(s.mode(), TrackMode::NotOpen);
    EXPECT_TRUE(audio.calls.empty());
}

// Each command's exact calls: volume before a play (none while muted), ranges, stop, pause, resume.
TEST_F(SoundTest, CommandsAndTheirCalls) {
    const std::string p = path("ps2.wav");
    const std::pair<std::function<void(Sound&)>, Calls> cases[] = {
        {[](Sound& s) { s.play(); }, {"volume " + p + " 50", "play " + p}},
        {[](Sound& s) { s.playRange(2000); }, {"volume " + p + " 50", "play " + p + " from 2000 to 0"}},
        {[](Sound& s) { s.playRange(2.5, 1500); }, {"volume " + p + " 50", "play " + p + " from 2.5 to 1500"}},
        {[](Sound& s) { s.stop(); }, {"stop " + p}},
        {[](Sound& s) { s.pause(); s.resume(); }, {"pause " + p, "resume " + p}},
        {[](Sound& s) { s.setVolume(73); }, {"volume " + p + " 73"}},
        {[](Sound& s) { s.setMuted(true); s.play(); s.playRange(1, 2); s.setVolume(80); s.setMuted(false); },
         {"volume " + p + " 0", "play " + p, "play " + p + " from 1 to 2", "volume " + p + " 0", "volume " + p + " 80"}},
        {[](Sound& s) { s.close(); s.close(); s.play(); s.stop(); }, {"close " + p}},
    };
    for (const auto& [command, calls] : cases) {
        auto s = opened("ps2.wav");
        command(*s);
        EXPECT_EQ(audio.calls, calls) << calls.back();
    }
}

// Mode, length and position come from the device; a closed player reads NotOpen and 0.
TEST_F(SoundTest, QueriesReadTheDevice) {
    Sound closed(audio);
    EXPECT_EQ(closed.mode(), TrackMode::NotOpen);
    EXPECT_EQ(closed.lengthMs() + closed.positionMs(), 0);
    auto s = opened("bgm1.mp3");
    audio.answers[path("bgm1.mp3")] = {TrackMode::Paused, 68123, 1250};
    EXPECT_EQ(s->mode(), TrackMode::Paused);
    EXPECT_EQ(s->lengthMs(), 68123);
    EXPECT_EQ(s->positionMs(), 1250);
    s->close();
    EXPECT_EQ(s->mode(), TrackMode::NotOpen);
}

// A second open does not close the first; going away closes the file once.
TEST_F(SoundTest, SecondOpenKeepsTheFirstAndGoingAwayCloses) {
    opened("ps2.wav")->open(path("bgm1.mp3"));
    EXPECT_EQ(audio.calls, (Calls{"open " + path("bgm1.mp3"), "volume " + path("bgm1.mp3") + " 50",
                                  "close " + path("bgm1.mp3")}));
}

}  // namespace
