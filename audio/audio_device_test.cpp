// The real media-control device: readers, resampling track, timing and the
// command parser. Runs headless (CTest sets SDL_AUDIODRIVER=dummy).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "audio/AudioDevice.h"
#include "audio/Decoder.h"
#include "audio/Track.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const fs::path kData = fs::path(VRH_TEST_DATA) / "audio";

// 16-bit PCM WAVE written byte by byte, so its frame count needs no decoder.
void writeWav(const fs::path& path, int rate, int channels, int frames) {
    std::string b;
    auto put = [&](uint32_t v, int n) { for (int i = 0; i < n; ++i) b += char(v >> (8 * i)); };
    const uint32_t data = uint32_t(frames * channels * 2);
    b += "RIFF"; put(36 + data, 4); b += "WAVEfmt "; put(16, 4); put(1, 2); put(channels, 2);
    put(rate, 4); put(rate * channels * 2, 4); put(channels * 2, 2); put(16, 2); b += "data"; put(data, 4);
    for (int i = 0; i < frames * channels; ++i) put(uint16_t(int16_t(8000 * std::sin(i * 0.05))), 2);
    std::ofstream(path, std::ios::binary) << b;
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(2ms))
        if (condition()) return true;
    return condition();
}

std::string testName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

// Gapless decoding gives back exactly the samples encoded (1.0 s stereo, 0.6 s mono), and not silence.
TEST(AudioDecoder, LengthsAreTheEncodedSampleCountsAndFullyReadable) {
    for (auto [name, rate, frames] : {std::tuple{"tone44k.mp3", 44100, 44100}, {"tone22k_mono.mp3", 22050, 13230}, {"blip22k.wav", 22050, 2205}}) {
        auto d = audio::openDecoder((kData / name).string());
        ASSERT_TRUE(d) << name;
        EXPECT_EQ(d->rate(), rate);
        EXPECT_EQ(d->frames(), frames) << name;
        std::vector<float> buf(1000 * size_t(d->channels()));
        int64_t total = 0;
        double energy = 0;
        for (size_t got; (got = d->read(buf.data(), 1000)) > 0; total += int64_t(got))
            for (size_t i = 0; i < got * size_t(d->channels()); ++i) energy += buf[i] * buf[i];
        EXPECT_EQ(total, frames) << name;
        EXPECT_GT(energy / double(total), 0.01) << name << " is a tone, not silence";
    }
}

// Junk, cut, data-less, folder, missing or wrongly named files are refused; extensions in any case.
TEST(AudioDecoder, RefusesWhatItCannotPlay) {
    const test::ScratchFolder dir("vrh audio " + testName());  // blanks on purpose
    writeWav(dir / "good.wav", 22050, 2, 2000);
    std::ifstream in(dir / "good.wav", std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), {});
    for (auto [name, bytes] : {std::pair{"text.mp3", std::string(3000, 'k')}, {"text.wav", std::string("RIFF....WAVEjunk")},
                               {"empty.mp3", std::string()}, {"cut.wav", good.substr(0, 20)}, {"nodata.wav", good.substr(0, 44)},
                               {"good.ogg", good}, {"good", good}}) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        EXPECT_FALSE(audio::openDecoder(dir / name)) << name;
    }
    fs::create_directories(dir / "folder.wav");
    EXPECT_FALSE(audio::openDecoder(dir / "folder.wav"));
    EXPECT_FALSE(audio::openDecoder(dir / "missing.wav"));
    fs::copy_file(dir / "good.wav", dir / "GOOD.WAVE");
    EXPECT_TRUE(audio::openDecoder(dir / "GOOD.WAVE")) << "extension in any case";
}

// A reader of a ramp: frame f, channel c holds (f + 1) * (c ? -1 : 1) / 1e5;
// it may hold fewer frames than it announces.
struct Ramp : audio::Decoder {
    Ramp(int rate, int channels, int64_t frames, int64_t held = -1) : actual(held < 0 ? frames : held) {
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
    int64_t actual, next = 0;
    int seeks = 0;
};

// 22050 Hz mono is interpolated to 44100 Hz on both sides; the position counts source frames.
TEST(AudioTrack, ResamplesUpmixesAndCountsConsumedFrames) {
    audio::Track t(std::make_unique<Ramp>(22050, 1, 22050), 44100);
    ASSERT_TRUE(t.play(std::nullopt, std::nullopt));
    std::vector<float> out(2 * 4410, 0.0f);
    t.mixInto(out.data(), 4410);  // 100 ms of output
    for (int i = 0; i < 10; ++i) {
        const float expected = (float(i / 2 + 1) + (i % 2 ? 0.5f : 0.0f)) / 1e5f;  // halfway between frames
        EXPECT_NEAR(out[2 * i], expected, 1e-9) << i;
        EXPECT_NEAR(out[2 * i + 1], expected, 1e-9) << i;
    }
    EXPECT_EQ(t.positionFrames(), 2205);
    EXPECT_EQ(t.positionMs(), 100);
    out.assign(2 * 88200, 0.0f);
    t.mixInto(out.data(), 88200);
    EXPECT_EQ(t.mode(), audio::Mode::Stopped);
    EXPECT_EQ(t.positionMs(), 1000);
    EXPECT_NE(out[2 * 39689], 0.0f) << "0.9 s of sound";
    EXPECT_EQ(out[2 * 39690], 0.0f) << "then silence";
}

// Bad ranges and volumes refused; from/to, pause, volume, seeking and restart from frame 0.
TEST(AudioTrack, RangesSeekPauseAndVolume) {
    auto reader = std::make_unique<Ramp>(44100, 2, 44100);
    Ramp* raw = reader.get();
    audio::Track t(std::move(reader), 44100);
    for (auto [from, to] : {std::pair<double, std::optional<double>>{2000.0, std::nullopt}, {0.0, 1001.0}, {600.0, 500.0}})
        EXPECT_FALSE(t.play(from, to)) << from;
    EXPECT_FALSE(t.setVolume(1001));
    EXPECT_EQ(t.mode(), audio::Mode::Stopped);
    ASSERT_TRUE(t.setVolume(500));
    ASSERT_TRUE(t.play(200.0, 300.0));
    std::vector<float> out(2 * 44100, 0.25f);  // the track adds to what is there
    t.mixInto(out.data(), 441);
    for (int c : {0, 1}) EXPECT_NEAR(out[c], 0.25f + 0.5f * Ramp::value(8820, c), 1e-7) << "from 200 ms, at half volume";
    t.pause();
    t.mixInto(out.data(), 441);
    EXPECT_EQ(t.positionMs(), 210) << "paused";
    t.resume();
    std::fill(out.begin(), out.end(), 0.0f);
    t.mixInto(out.data(), 44100);
    EXPECT_EQ(t.mode(), audio::Mode::Stopped);
    EXPECT_EQ(t.positionMs(), 300);
    EXPECT_NE(out[2 * 3968], 0.0f);
    EXPECT_EQ(out[2 * 3969], 0.0f) << "ends at 300 ms";
    for (int ms : {0, 1, 333, 999, 1000}) {
        ASSERT_TRUE(t.seekMs(ms));
        EXPECT_EQ(t.positionMs(), ms);
    }
    EXPECT_FALSE(t.seekMs(1001));
    EXPECT_EQ(raw->seeks, 1);
    ASSERT_TRUE(t.play(0.0, std::nullopt));
    t.mixInto(out.data(), 1);
    EXPECT_EQ(raw->seeks, 2) << "restart reads from the first frame again";
}

// A damaged file holding fewer frames than announced stops where its data ends.
TEST(AudioTrack, StopsWhereTheDataEnds) {
    audio::Track t(std::make_unique<Ramp>(44100, 2, 44100, 4410), 44100);
    ASSERT_TRUE(t.play(std::nullopt, std::nullopt));
    std::vector<float> out(2 * 44100);
    t.mixInto(out.data(), 44100);
    EXPECT_EQ(t.mode(), audio::Mode::Stopped);
    EXPECT_EQ(t.positionFrames(), 4410);
}

// The device, on SDL's dummy driver and on the wall-clock fallback.
class AudioDeviceTest : public ::testing::TestWithParam<AudioOutput> {
protected:
    void SetUp() override {
        writeWav(stereo, 22050, 2, 11025);  // 0.5 s
        writeWav(mono, 44100, 1, 13230);    // 0.3 s
    }
    std::string send(const std::string& c) { return device->mciSendString(c); }
    std::string mode(const std::string& d) { return send("status " + d + " mode"); }
    int position(const std::string& d) { return std::atoi(send("status " + d + " position").c_str()); }
    test::ScratchFolder dir{"vrh audio " + testName()};  // blanks on purpose
    std::string stereo = dir / "s22.wav", mono = dir / "m44.wav";
    std::unique_ptr<MciDevice> device = makeAudioDevice(GetParam());
};

// Lengths in ms, a fresh file stopped at 0, two files at once, play to the very end.
TEST_P(AudioDeviceTest, LengthsAndPlayingToTheEnd) {
    writeWav(dir / "odd.wav", 22050, 1, 11111);
    for (auto [file, ms] : {std::pair{stereo, 500.0}, {mono, 300.0}, {dir / "odd.wav", 11111 / 22.05},
                            {(kData / "tone44k.mp3").string(), 1000.0}, {(kData / "tone22k_mono.mp3").string(), 600.0}}) {
        send("open " + file + " wait");
        EXPECT_NEAR(std::atoi(send("status " + file + " length").c_str()), ms, 1.0) << file;
        EXPECT_EQ(mode(file), "stopped");
        EXPECT_EQ(send("status " + file + " position"), "0");
    }
    send("Play " + mono);
    send("Play " + stereo);
    EXPECT_EQ(mode(mono), "playing");
    EXPECT_TRUE(waitUntil([&] { return position(mono) > 0 && position(stereo) > 0; }, 1000ms)) << "time passes";
    EXPECT_TRUE(waitUntil([&] { return mode(mono) == "stopped"; }, 2000ms));
    EXPECT_EQ(position(mono), 300) << "the whole file was consumed";
    EXPECT_EQ(mode(stereo), "playing") << "two at once";
}

// Seek to 0 stops, play restarts, pause holds the position, from/to ranges and "wait".
TEST_P(AudioDeviceTest, RestartPauseResumeAndRanges) {
    send("open " + stereo + " wait");
    send("Play " + stereo);
    ASSERT_TRUE(waitUntil([&] { return position(stereo) >= 100; }, 1500ms));
    send("Seek " + stereo + " to 0");
    EXPECT_EQ(mode(stereo), "stopped");
    EXPECT_EQ(position(stereo), 0);
    send("Play " + stereo);
    EXPECT_LT(position(stereo), 100) << "from the start again";
    send("Pause " + stereo);
    EXPECT_EQ(mode(stereo), "paused");
    const int held = position(stereo);
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(position(stereo), held);
    send("Resume " + stereo);
    EXPECT_TRUE(waitUntil([&] { return position(stereo) > held; }, 1000ms));
    send("play " + stereo + " from 300 to 350");
    EXPECT_TRUE(waitUntil([&] { return mode(stereo) == "stopped"; }, 1000ms));
    EXPECT_EQ(position(stereo), 350);
    const std::string blip = (kData / "blip22k.wav").string();
    send("open " + blip + " wait");
    const auto start = std::chrono::steady_clock::now();
    send("play " + blip + " from 2.5 wait");
    EXPECT_GE(std::chrono::steady_clock::now() - start, 80ms) << "it waited for the sound";
    EXPECT_EQ(mode(blip), "stopped");
}

// Names with blanks (and quoted), commands in any case, a second open, close and close all.
TEST_P(AudioDeviceTest, NamesWithBlanksAnyCaseReopenAndClose) {
    const std::string b = dir / "s22.wav two.wav";  // starts with another open name
    fs::copy_file(mono, b);
    send("OPEN " + stereo + " WAIT");
    send("Open " + b + " wait");
    EXPECT_EQ(send("STATUS " + stereo + " LENGTH"), "500");
    EXPECT_EQ(send("status \"" + b + "\" length"), "300");
    send("pLaY " + stereo);
    EXPECT_EQ(send("open " + stereo + " wait"), "");
    EXPECT_EQ(mode(stereo), "playing") << "a second open leaves the device alone";
    EXPECT_EQ(mode(b), "stopped");
    send("Close " + stereo);
    EXPECT_EQ(mode(stereo), "");
    send("open " + stereo + " wait");
    EXPECT_EQ(mode(stereo), "stopped");
    send("play " + b);
    send("close all");
    EXPECT_EQ(mode(b), "");
}

// A refused file is not opened; every malformed command replies "" and changes nothing.
TEST_P(AudioDeviceTest, BadFilesAndMalformedCommandsDoNothing) {
    const std::string missing = dir / "missing.wav";
    send("Open " + missing + " wait");
    EXPECT_EQ(mode(missing), "");

    send("open " + stereo + " wait");
    const std::string s = stereo;
    for (const std::string& c : std::vector<std::string>{"", "play", "frobnicate " + s, "play " + s + " from", "play " + s + " from abc",
                                 "play " + s + " from 100 to 50", "play " + s + " from 9999", "play " + s + " to 501",
                                 "play " + s + " from -5", "play " + s + " from 1e2", "play " + s + " sideways",
                                 "play " + s + "x", "play \"" + s, "seek " + s, "seek " + s + " to -1", "seek " + s + " to 600",
                                 "seek " + s + " to 12abc", "stop " + s + " now", "status " + s, "status " + s + " colour",
                                 "setaudio " + s + " volume to 2000", "setaudio " + s + " volume to loud",
                                 "Open  wait", "Seek  to 0", "Play ", "Status  mode", "setaudio  volume to 500", "Close ",
                                 std::string("play \0", 6) + s}) {
        EXPECT_EQ(send(c), "") << c;
        EXPECT_EQ(mode(s), "stopped") << c;
        EXPECT_EQ(position(s), 0) << c;
    }
    send("seek " + s + " to 250");
    EXPECT_EQ(position(s), 250);
    send("seek " + s + " to end");
    EXPECT_EQ(position(s), 500);
}

// Commands racing the mixer, then the device going away while files play.
TEST_P(AudioDeviceTest, BusyUseWhileMixingThenTeardown) {
    const std::string mp3 = (kData / "tone44k.mp3").string();
    send("open " + mp3 + " wait");
    send("play " + mp3);
    for (int i = 0; i < 40; ++i) {
        send("open " + mono + " wait");
        send("play " + mono + " from " + std::to_string(i * 7));
        send("setaudio " + mono + " volume to " + std::to_string(i * 25));
        send(i % 2 ? "pause " + mp3 : "resume " + mp3);
        std::this_thread::sleep_for(1ms);
        if (i % 3 == 0) send("close " + mono);
    }
    EXPECT_NE(mode(mp3), "");
}

// With no sound driver SDL can open, the device falls back to silence and time still passes.
TEST(AudioDeviceFallback, NoSoundDeviceAtAllStillPlaysSilentlyInTime) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    ::setenv("SDL_AUDIODRIVER", "no_such_sound_driver", 1);
    {
        auto device = makeAudioDevice(AudioOutput::Automatic);
        const std::string file = (kData / "tone22k_mono.mp3").string();
        device->mciSendString("open " + file + " wait");
        device->mciSendString("play " + file);
        const auto mode = [&] { return device->mciSendString("status " + file + " mode"); };
        EXPECT_EQ(mode(), "playing");
        EXPECT_TRUE(waitUntil([&] { return mode() == "stopped"; }, 3000ms)) << "the track ends";
        EXPECT_EQ(device->mciSendString("status " + file + " position"), "600");
    }
    if (before) ::setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else ::unsetenv("SDL_AUDIODRIVER");
}

INSTANTIATE_TEST_SUITE_P(Outputs, AudioDeviceTest, ::testing::Values(AudioOutput::Automatic, AudioOutput::WallClock),
                         [](const auto& instance) { return std::string(instance.param == AudioOutput::Automatic ? "Sdl" : "Clock"); });

}  // namespace
