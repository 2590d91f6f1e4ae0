// The Sound player against a recording device: the exact command strings.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/Mci.h"
#include "audio/Sound.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;
using Commands = std::vector<std::string>;

namespace {

// A lower-case folder of media files (the player lower-cases what it opens).
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* f : {"bgm1.mp3", "ps2.wav", "jingle.wave", "x.ogg"}) std::ofstream(dir / f) << "x";
    }
    std::unique_ptr<Sound> opened(const std::string& name) {  // open, then forget the open's commands
        auto s = std::make_unique<Sound>(mci);
        s->FileOpen((dir / name).string());
        mci.commands.clear();
        return s;
    }
    test::ScratchFolder dir{"vrh_sound"};
    RecordingMci mci;
};

// Opening lower-cases the name; only playable extensions open; refused names send nothing.
TEST_F(SoundTest, OpenLowerCasesAndAcceptsOnlyPlayableNames) {
    Sound s(mci);
    s.FileOpen(dir.string() + "/BGM1.MP3");
    const std::string dev = (dir / "bgm1.mp3").string();
    EXPECT_EQ(s.FileName(), dev);
    EXPECT_EQ(s.deviceName(), dev);
    EXPECT_EQ(mci.commands, (Commands{"Open " + dev + " wait", "setaudio " + dev + " volume to 500"}));
    for (auto [name, playable] : {std::pair{"/nowhere/a.wave", true}, {"/nowhere/a.wav", true}, {"/nowhere/a.wma", true},
                                  {"/nowhere/a.cda", true}, {"/nowhere/a.mp3", true}, {"/nowhere/a.Wma", true},
                                  {"x.ogg", false}, {"a.mp3.txt", false}, {"mp3", false}, {"a.wa", false}, {"", false}}) {
        Sound t(mci);
        mci.commands.clear();
        t.FileOpen(name);
        if (!playable) { t.setFileName(name); t.SoundPlay(); }
        EXPECT_EQ(t.FileName().empty(), !playable) << name;
        EXPECT_EQ(mci.commands.empty(), !playable) << name << ": a refused name leaves the object closed";
    }
    Sound w(mci);
    w.setFileName(dir.string() + "/JINGLE.WAVE");
    EXPECT_EQ(w.FileName(), (dir / "jingle.wave").string());
}

// The exact commands of play (volume, seek to 0), stop, pause, resume and a waiting play.
TEST_F(SoundTest, PlayStopPauseResume) {
    auto s = opened("ps2.wav");
    const std::string dev = (dir / "ps2.wav").string();
    s->SoundPlay();
    s->SoundPlay();  // restarts from the beginning
    s->SoundStop();
    s->SoundPause();
    s->SoundResume();
    s->setWait(true);
    s->SoundPlay();
    const std::string vol = "setaudio " + dev + " volume to 500", seek = "Seek " + dev + " to 0";
    EXPECT_EQ(mci.commands, (Commands{vol, seek, "Play " + dev, vol, seek, "Play " + dev, seek, "Stop " + dev,
                                      "Pause " + dev, "Resume " + dev, vol, seek, "Play " + dev + " wait"}));
}

// Replies read as their leading number (up to a NUL); a closed player asks nothing.
TEST_F(SoundTest, QueriesReadTheLeadingNumberAndSendNothingWhenClosed) {
    Sound closed(mci);
    EXPECT_EQ(closed.Length(), 0.0f);
    EXPECT_EQ(closed.Position(), 0.0f);
    EXPECT_EQ(closed.Status(), "");
    EXPECT_TRUE(mci.commands.empty());
    auto s = opened("bgm1.mp3");
    const std::string dev = (dir / "bgm1.mp3").string();
    mci.replies = {{"Status " + dev + " length", "68123"}, {"Status " + dev + " position", "1250.5 ms"},
                   {"Status " + dev + " mode", std::string("playing\0junk", 12)}};
    EXPECT_EQ(s->Length(), 68123.0f);
    EXPECT_EQ(s->Position(), 1250.5f);
    EXPECT_EQ(s->Status(), "playing") << "the reply ends at its first NUL";
    EXPECT_EQ(mci.commands, (Commands{"Status " + dev + " length", "Status " + dev + " position", "Status " + dev + " mode"}));
    for (auto [reply, value] : {std::pair{"", 0.f}, {"abc", 0.f}, {"-", 0.f}, {".", 0.f}, {"x12", 0.f}, {"  -42xyz", -42.f}, {"1e3", 1000.f}}) {
        mci.replies["Status " + dev + " length"] = reply;
        EXPECT_EQ(s->Length(), value) << reply;
    }
}

// A start plays to the length and never writes numbers in exponent form.
TEST_F(SoundTest, StartPlaysToTheLengthAndWritesPlainDecimals) {
    auto s = opened("bgm1.mp3");
    const std::string dev = (dir / "bgm1.mp3").string();
    mci.replies["Status " + dev + " length"] = "10000";
    s->SoundStart(2000);
    EXPECT_EQ(mci.commands, (Commands{"setaudio " + dev + " volume to 500", "Status " + dev + " length",
                                      "play " + dev + " from 2000 to 10000"}));
    s->SoundStart(2.5f, 1500);
    EXPECT_EQ(mci.commands.back(), "play " + dev + " from 2.5 to 1500");
    s->SoundStart(0.001f, 1e7f);
    EXPECT_EQ(mci.commands.back(), "play " + dev + " from 0.001 to 10000000") << "never in exponent form";
    s->setPosition(750);
    EXPECT_EQ(mci.commands.back(), "play " + dev + " from 750 to 10000");
}

// Volume x 10 on the device; muted sends 0, keeps the volume, and plays without volume commands.
TEST_F(SoundTest, MuteAndVolume) {
    auto s = opened("ps2.wav");
    const std::string dev = (dir / "ps2.wav").string(), zero = "setaudio " + dev + " volume to 0";
    s->setVolume(73);
    EXPECT_EQ(s->Volume(), 73);
    s->setMute(true);
    EXPECT_TRUE(s->Mute());
    s->SoundPlay();        // no volume command when muted
    s->SoundStart(1, 2);   // nor here
    s->setVolume(80);      // muted: sends 0, keeps 80
    s->setMute(false);
    EXPECT_EQ(mci.commands, (Commands{"setaudio " + dev + " volume to 730", zero, "Seek " + dev + " to 0", "Play " + dev,
                                      "play " + dev + " from 1 to 2", zero, "setaudio " + dev + " volume to 800"}));
    EXPECT_EQ(s->Volume(), 80);
}

// A second open does not close the first; close is sent once; a closed player plays nothing.
TEST_F(SoundTest, CloseOnceAndSecondOpenKeepsTheFirst) {
    auto s = opened("ps2.wav");
    s->FileOpen((dir / "bgm1.mp3").string());
    EXPECT_EQ(mci.commands.front(), "Open " + (dir / "bgm1.mp3").string() + " wait") << "no Close before";
    mci.commands.clear();
    s->FileClose();
    s->FileClose();
    s->SoundPlay();
    EXPECT_EQ(mci.commands, (Commands{"Close " + (dir / "bgm1.mp3").string()}));
}

// A missing file keeps its name but talks to an empty device name.
TEST_F(SoundTest, MissingFileUsesAnEmptyDeviceName) {
    Sound s(mci);
    s.FileOpen(dir.string() + "/missing.wav");
    EXPECT_EQ(s.FileName(), dir.string() + "/missing.wav");
    EXPECT_EQ(mci.commands, (Commands{"Open  wait", "setaudio  volume to 500"}));
}

// Milliseconds as h:mm:ss, truncated, hours past two digits.
TEST(SoundTime, Formatting) {
    for (auto [ms, text] : {std::pair{3723000, "01:02:03"}, {360000000, "100:00:00"}, {0, "00:00:00"},
                            {59999, "00:00:59"}, {3599999, "00:59:59"}, {2147483647, "596:31:23"}})
        EXPECT_EQ(Sound::Time(ms), text) << ms;
}

// Going away stops a player that is not stopped, then closes; an unopened one sends nothing.
TEST_F(SoundTest, DestructorStopsWhatIsNotStoppedThenCloses) {
    const std::string dev = (dir / "bgm1.mp3").string(), mode = "Status " + dev + " mode";
    mci.replies[mode] = "playing";
    opened("bgm1.mp3").reset();
    EXPECT_EQ(mci.commands, (Commands{mode, "Seek " + dev + " to 0", "Stop " + dev, "Close " + dev}));
    mci.replies[mode] = "stopped";
    opened("bgm1.mp3").reset();
    EXPECT_EQ(mci.commands, (Commands{mode, "Close " + dev}));
    mci.commands.clear();
    { Sound never(mci); }
    EXPECT_TRUE(mci.commands.empty());
}

}  // namespace
