// The audio layer: readers, the resampling track, the device's timing, the Sound player's calls.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include "audio/AudioDevice.h"
#include "audio/Decoder.h"
#include "audio/Sound.h"
#include "audio/Track.h"
#include "platform/RecordingAudio.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {
const fs::path kData = fs::path(VRH_TEST_DATA) / "audio";

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(2ms);
    return condition();
}

// A reader of a ramp (see value()); it may hold fewer frames than it announces.
struct Ramp : audio::Decoder {
    Ramp(int rate, int channels, int64_t frames, int64_t framesHeld) : actual(framesHeld) {
        rate_ = rate, channels_ = channels, frames_ = frames;
    }
    bool seek(int64_t f) override { return next = f, ++seeks, true; }
    size_t read(float* out, size_t count) override {
        size_t n = 0;
        for (; n < count && next < actual; ++n, ++next)
            for (int c = 0; c < channels_; ++c) *out++ = value(next, c);
        return n;
    }
    static float value(int64_t f, int c) { return float(f + 1) * (c ? -1.0f : 1.0f) / 1e5f; }
    int64_t actual, next = 0, seeks = 0;
};
}  // namespace

// Guards exact (gapless) lengths, all data read and no silence, from file and memory; bad files refused.
TEST(AudioDecoder, ReadsWhatWasEncodedAndRefusesTheRest) {
    using enum audio::Format;
    for (auto [name, format, rate, frames] : {std::tuple{"tone44k.mp3", Mp3, 44100, 44100},
                                              {"tone22k_mono.mp3", Mp3, 22050, 13230},
                                              {"blip22k.wav", Wave, 22050, 2205}}) {
        auto m = audio::decodeBytes(format, bytesOf(kData / name));
        auto d = audio::openDecoder((kData / name).string());
        ASSERT_TRUE(d && m) << name;
        EXPECT_EQ(std::tuple(d->rate(), d->frames(), m->frames()), std::tuple(rate, frames, frames)) << name;
        std::vector<float> buf(1000 * size_t(d->channels()));
        double energy = 0, total = 0;
        for (size_t got; (got = d->read(buf.data(), 1000)) > 0; total += double(got))
            for (size_t i = 0; i < got * size_t(d->channels()); ++i) energy += buf[i] * buf[i];
        EXPECT_EQ(total, frames) << name;
        EXPECT_GT(energy / total, 0.01) << name << " is a tone, not silence";
    }
    const test::ScratchFolder dir("vrh audio refused");  // blanks on purpose
    const std::string good = bytesOf(kData / "blip22k.wav"), cut = good.substr(0, 20),
                      noData = good.substr(0, 44), text(3000, 'k'), junk = "RIFF....WAVEjunk", none;
    fs::create_directories(dir / "folder.wav");
    const std::pair<const char*, std::string> files[] = {
        {"text.mp3", text}, {"text.wav", junk},     {"empty.mp3", none},
        {"cut.wav", cut},   {"nodata.wav", noData}, {"good.ogg", good},
        {"good", good},     {"folder.wav", none},   {"GOOD.WAVE", good},
    };
    for (const auto& [name, bytes] : files) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        EXPECT_EQ(bool(audio::openDecoder(dir / name)), std::string(name) == "GOOD.WAVE") << name;
    }
}

// Guards 22050 Hz mono interpolated to 44100 Hz stereo, positions in source frames, a damaged file stopping
// where its data ends; bad ranges and volumes refused, from/to, pause, volume, seeking, restart from 0.
TEST(AudioTrack, ResamplesRangesSeeksPausesAndScales) {
    audio::Track t(std::make_unique<Ramp>(22050, 1, 22050, 19845), 44100);  // 0.9 s of the 1 s announced
    ASSERT_TRUE(t.play(std::nullopt, std::nullopt));
    std::vector<float> out(2 * 88200, 0.0f);
    t.mixInto(out.data(), 4410);  // 100 ms
    for (int k = 0; k < 20; ++k)  // left and right alike
        EXPECT_NEAR(out[k], (float(k / 4 + 1) + (k / 2 % 2 ? 0.5f : 0.0f)) / 1e5f, 1e-9) << k;
    EXPECT_EQ(std::pair(t.positionFrames(), t.positionMs()), std::pair(int64_t(2205), int64_t(100)));
    t.mixInto(out.data(), 88200);
    EXPECT_EQ(std::pair(t.mode(), t.positionFrames()), std::pair(audio::Mode::Stopped, int64_t(19845)));
    EXPECT_TRUE(out[2 * 35279] != 0.0f && out[2 * 35280] == 0.0f)
        << "then silence: 17640 frames left after the first 100 ms, twice as many out";
    Ramp* raw = new Ramp(44100, 2, 44100, 44100);
    audio::Track u(std::unique_ptr<Ramp>(raw), 44100);  // 1 s of stereo at the device's rate
    EXPECT_FALSE(u.play(2000.0, std::nullopt) || u.play(0.0, 1001.0) || u.play(600.0, 500.0) ||
                 u.setVolume(1001) || u.mode() != audio::Mode::Stopped);
    ASSERT_TRUE(u.setVolume(500) && u.play(200.0, 300.0));
    std::fill(out.begin(), out.end(), 0.25f);  // the track adds to what is there
    u.mixInto(out.data(), 441);
    for (int c : {0, 1})
        EXPECT_NEAR(out[c], 0.25f + 0.5f * Ramp::value(8820, c), 1e-7) << "from 200 ms at half volume";
    u.pause();
    u.mixInto(out.data(), 441);
    EXPECT_EQ(u.positionMs(), 210) << "paused";
    u.resume();
    std::fill(out.begin(), out.end(), 0.0f);
    u.mixInto(out.data(), 44100);
    EXPECT_EQ(std::pair(u.mode(), u.positionMs()), std::pair(audio::Mode::Stopped, int64_t(300)));
    EXPECT_TRUE(out[2 * 3968] != 0.0f && out[2 * 3969] == 0.0f) << "ends at 300 ms";
    EXPECT_TRUE(u.seekMs(333) && u.positionMs() == 333 && !u.seekMs(1001));
    ASSERT_TRUE(u.play(0.0, std::nullopt));
    u.mixInto(out.data(), 1);
    EXPECT_EQ(raw->seeks, 2) << "restart reads from the first frame again";
}

// The device on SDL's dummy driver, on the wall clock (no driver given), and where SDL can open no driver.
struct AudioDeviceTest : ::testing::TestWithParam<const char*> {
    void SetUp() override {
        const std::string saved = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
        if (GetParam()) ::setenv("SDL_AUDIODRIVER", GetParam(), 1);
        device = makeAudioDevice(GetParam() ? AudioBackend::Automatic : AudioBackend::WallClock);
        saved.empty() ? ::unsetenv("SDL_AUDIODRIVER") : ::setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    }
    std::pair<TrackMode, int64_t> state(TrackId t) { return {device->mode(t), device->positionMs(t)}; }
    bool stopsWithin(TrackId t, std::chrono::milliseconds limit) {
        return waitUntil([&] { return device->mode(t) == TrackMode::Stopped; }, limit);
    }
    test::ScratchFolder dir{"vrh audio device"};  // blanks on purpose
    std::string stereo = (kData / "tone44k.mp3").string(), mono = (kData / "tone22k_mono.mp3").string();
    std::unique_ptr<AudioOutput> device;
};

// Guards lengths, two files at once, playing to the very end, stop rewinding, pause holding, ranges
// ending where asked, a second open answering the same track, bad files and ranges, calls racing the mixer.
TEST_P(AudioDeviceTest, PlaysInTime) {
    const TrackId s = device->open(stereo), m = device->open(mono);  // 1 s and 0.6 s
    EXPECT_EQ(std::pair(device->lengthMs(s), device->lengthMs(m)), std::pair(int64_t(1000), int64_t(600)));
    for (const std::string& bad : {(dir / "missing.wav").string(), std::string(), dir.string()})
        EXPECT_EQ(device->open(bad), TrackId::None);
    for (auto [from, to] : {std::pair{100.0, 50.0}, {9999.0, 0.0}, {0.0, 1001.0}, {-5.0, 0.0}})
        device->play(s, from, to);
    EXPECT_EQ(state(s), std::pair(TrackMode::Stopped, int64_t(0))) << "bad ranges";
    device->play(m, 0, 0);
    device->play(s, 0, 0);
    EXPECT_EQ(device->open(stereo), s);
    EXPECT_TRUE(stopsWithin(m, 2000ms) && device->positionMs(m) == 600) << "the whole file was consumed";
    EXPECT_EQ(device->mode(s), TrackMode::Playing) << "two at once, and a second open left it alone";
    device->stop(s);
    EXPECT_EQ(state(s), std::pair(TrackMode::Stopped, int64_t(0))) << "stop rewinds";
    device->play(s, 0, 0);
    device->pause(s);
    const int64_t held = device->positionMs(s);
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(state(s), std::pair(TrackMode::Paused, held));
    device->resume(s);
    EXPECT_TRUE(waitUntil([&] { return device->positionMs(s) > held; }, 1000ms));
    device->play(s, 300, 350);
    EXPECT_TRUE(stopsWithin(s, 1000ms) && device->positionMs(s) == 350);
    for (int i = 0; i < 40; ++i, std::this_thread::sleep_for(1ms)) {  // busy use while the mixer runs
        device->play(m, i * 13, 0);
        device->setVolume(m, i * 5 / 2);
        i % 2 ? device->pause(s) : device->resume(s);
    }
    device->close(s);
    EXPECT_EQ(std::tuple(device->mode(s), device->lengthMs(s), device->positionMs(s)),
              std::tuple(TrackMode::NotOpen, 0, 0));
    EXPECT_NE(device->open(stereo), TrackId::None) << "opens again";
}

INSTANTIATE_TEST_SUITE_P(Outputs, AudioDeviceTest,
                         ::testing::Values("dummy", nullptr, "no_such_sound_driver"),
                         [](const auto& p) { return std::string(p.param ? p.param : "wall_clock"); });

// Guards the name lower-cased, only playable files that are there opened and closed with the player; each
// command's calls (volume before play, 0 muted; ranges, stop, pause, one close); queries; a second open.
TEST(Sound, OpensOnlyPlayableFilesThatAreThereAndSendsEachCommand) {
    const test::ScratchFolder dir("vrh_sound");  // lower case: the player lower-cases what it opens
    for (const char* f : {"bgm1.mp3", "ps2.wav"}) std::ofstream(dir / f) << "x";
    const std::string bgm = (dir / "bgm1.mp3").string(), p = (dir / "ps2.wav").string();
    RecordingAudio audio;
    std::string opened;
    for (auto name : {"BGM1.MP3", "gone.wav", "a.Wma", "a.cda", "a.wave", "x.ogg", "a.mp3.txt", "mp3"}) {
        Sound s(audio);
        s.open((dir / name).string()), s.play(), s.setVolume(80);
        opened += s.isOpen() ? '1' : '0';
    }
    EXPECT_EQ(opened, "11111000") << "the names of playable files open, there or not";
    EXPECT_EQ(audio.calls,
              (std::vector<std::string>{"open " + bgm, "volume " + bgm + " 50", "volume " + bgm + " 50",
                                        "play " + bgm, "volume " + bgm + " 80", "close " + bgm}));
    const std::pair<std::function<void(Sound&)>, std::vector<std::string>> cases[] = {
        {[](Sound& s) { s.play(); }, {"volume " + p + " 50", "play " + p}},
        {[](Sound& s) { s.playRange(2.5, 1500); },
         {"volume " + p + " 50", "play " + p + " from 2.5 to 1500"}},
        {[](Sound& s) { s.stop(); }, {"stop " + p}},
        {[](Sound& s) { s.pause(), s.resume(); }, {"pause " + p, "resume " + p}},
        {[](Sound& s) { s.setMuted(true), s.play(), s.setVolume(80), s.setMuted(false); },
         {"volume " + p + " 0", "play " + p, "volume " + p + " 0", "volume " + p + " 80"}},
        {[](Sound& s) { s.close(), s.close(), s.play(), s.stop(); }, {"close " + p}},
        {[&](Sound& s) { s.open(bgm); }, {"open " + bgm, "volume " + bgm + " 50"}},
    };
    for (const auto& [command, calls] : cases) {
        Sound s(audio);
        s.open(p), audio.calls.clear();
        command(s);
        EXPECT_EQ(audio.calls, calls) << calls.back();
    }
    Sound s(audio);
    s.open(bgm);
    audio.answers[bgm] = {TrackMode::Paused, 68123, 1250};
    EXPECT_EQ(std::tuple(s.mode(), s.lengthMs(), s.positionMs()), std::tuple(TrackMode::Paused, 68123, 1250));
    s.close();
    EXPECT_EQ(std::tuple(s.mode(), s.lengthMs(), s.positionMs()), std::tuple(TrackMode::NotOpen, 0, 0));
}
