// The real audio device: readers, resampling track and timing. Runs headless
// (CTest sets SDL_AUDIODRIVER=dummy).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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
        std::ifstream in(kData / name, std::ios::binary);
        auto m = audio::decodeBytes(std::string(name).ends_with("mp3") ? audio::Format::Mp3 : audio::Format::Wave,
                                    std::string(std::istreambuf_iterator<char>(in), {}));
        ASSERT_TRUE(m) << name << " from memory";
        EXPECT_EQ(m->frames(), frames) << name << " from memory";
        EXPECT_EQ(m->read(buf.data(), 1000), std::min<size_t>(1000, size_t(frames)));
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
    Ramp(int rate, int channels, int64_t frames, int64_t actual = -1) : actual(actual < 0 ? frames : actual) {
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
class AudioDeviceTest : public ::testing::TestWithParam<AudioBackend> {
protected:
    void SetUp() override {
        writeWav(stereo, 22050, 2, 11025);  // 0.5 s
        writeWav(mono, 44100, 1, 13230);    // 0.3 s
    }
    int64_t position(TrackId t) { return device->positionMs(t); }
    bool stopsWithin(TrackId t, std::chrono::milliseconds limit) {
        return waitUntil([&] { return device->mode(t) == TrackMode::Stopped; }, limit);
    }
    test::ScratchFolder dir{"vrh audio " + testName()};  // blanks on purpose
    std::string stereo = dir / "s22.wav", mono = dir / "m44.wav";
    std::unique_ptr<AudioOutput> device = makeAudioDevice(GetParam());
};

// Lengths in ms, a fresh file stopped at 0, two files at once, play to the very end.
TEST_P(AudioDeviceTest, LengthsAndPlayingToTheEnd) {
    writeWav(dir / "odd.wav", 22050, 1, 11111);
    std::map<std::string, TrackId> t;
    for (auto [file, ms] : {std::pair{stereo, 500.0}, {mono, 300.0}, {dir / "odd.wav", 11111 / 22.05},
                            {(kData / "tone44k.mp3").string(), 1000.0}, {(kData / "tone22k_mono.mp3").string(), 600.0}}) {
        t[file] = device->open(file);
        ASSERT_NE(t[file], TrackId::None) << file;
        EXPECT_NEAR(double(device->lengthMs(t[file])), ms, 1.0) << file;
        EXPECT_EQ(device->mode(t[file]), TrackMode::Stopped);
        EXPECT_EQ(position(t[file]), 0);
    }
    device->play(t[mono], 0, 0);
    device->play(t[stereo], 0, 0);
    EXPECT_EQ(device->mode(t[mono]), TrackMode::Playing);
    EXPECT_TRUE(waitUntil([&] { return position(t[mono]) > 0 && position(t[stereo]) > 0; }, 1000ms)) << "time passes";
    EXPECT_TRUE(stopsWithin(t[mono], 2000ms));
    EXPECT_EQ(position(t[mono]), 300) << "the whole file was consumed";
    EXPECT_EQ(device->mode(t[stereo]), TrackMode::Playing) << "two at once";
}

// Stop rewinds, play restarts, pause holds the position, ranges end where asked.
TEST_P(AudioDeviceTest, RestartPauseResumeAndRanges) {
    const TrackId s = device->open(stereo);
    device->play(s, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return position(s) >= 100; }, 1500ms));
    device->stop(s);
    EXPECT_EQ(device->mode(s), TrackMode::Stopped);
    EXPECT_EQ(position(s), 0);
    device->play(s, 0, 0);
    EXPECT_LT(position(s), 100) << "from the start again";
    device->pause(s);
    EXPECT_EQ(device->mode(s), TrackMode::Paused);
    const int64_t held = position(s);
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(position(s), held);
    device->resume(s);
    EXPECT_TRUE(waitUntil([&] { return position(s) > held; }, 1000ms));
    device->play(s, 300, 350);
    EXPECT_TRUE(stopsWithin(s, 1000ms));
    EXPECT_EQ(position(s), 350);
    device->play(s, 400, 0);
    EXPECT_TRUE(stopsWithin(s, 1000ms));
    EXPECT_EQ(position(s), 500) << "to 0: to the end";
}

// A second open answers the same track and leaves it playing; close, then unknown tracks do nothing.
TEST_P(AudioDeviceTest, ReopenAndClose) {
    const TrackId s = device->open(stereo), m = device->open(mono);
    EXPECT_NE(s, m);
    device->play(s, 0, 0);
    EXPECT_EQ(device->open(stereo), s);
    EXPECT_EQ(device->mode(s), TrackMode::Playing) << "a second open leaves the track alone";
    device->close(s);
    for (TrackId gone : {s, TrackId::None, TrackId(999)}) {
        device->play(gone, 0, 0);
        EXPECT_EQ(device->mode(gone), TrackMode::NotOpen);
        EXPECT_EQ(device->lengthMs(gone) + device->positionMs(gone), 0);
    }
    EXPECT_EQ(device->mode(m), TrackMode::Stopped);
    EXPECT_NE(device->open(stereo), TrackId::None) << "opens again";
}

// Refused files open nothing; ranges outside the file or backwards change nothing.
TEST_P(AudioDeviceTest, BadFilesAndRangesDoNothing) {
    for (const std::string& bad : {(dir / "missing.wav").string(), std::string(), dir.string()})
        EXPECT_EQ(device->open(bad), TrackId::None) << bad;
    const TrackId s = device->open(stereo);
    const std::pair<double, double> ranges[] = {{100, 50}, {9999, 0}, {0, 501}, {-5, 0}, {0, -1}};
    for (auto [from, to] : ranges) {
        device->play(s, from, to);
        EXPECT_EQ(device->mode(s), TrackMode::Stopped) << from << " to " << to;
        EXPECT_EQ(position(s), 0) << from << " to " << to;
    }
}

// Calls racing the mixer, then the device going away while files play.
TEST_P(AudioDeviceTest, BusyUseWhileMixingThenTeardown) {
    const TrackId mp3 = device->open((kData / "tone44k.mp3").string());
    device->play(mp3, 0, 0);
    for (int i = 0; i < 40; ++i) {
        const TrackId m = device->open(mono);
        device->play(m, i * 7, 0);
        device->setVolume(m, i * 5 / 2);
        i % 2 ? device->pause(mp3) : device->resume(mp3);
        std::this_thread::sleep_for(1ms);
        if (i % 3 == 0) device->close(m);
    }
    EXPECT_NE(device->mode(mp3), TrackMode::NotOpen);
}

// With no sound driver SDL can open, the device falls back to silence and time still passes.
TEST(AudioDeviceFallback, NoSoundDeviceAtAllStillPlaysSilentlyInTime) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    ::setenv("SDL_AUDIODRIVER", "no_such_sound_driver", 1);
    {
        auto device = makeAudioDevice(AudioBackend::Automatic);
        const TrackId t = device->open((kData / "tone22k_mono.mp3").string());
        device->play(t, 0, 0);
        EXPECT_EQ(device->mode(t), TrackMode::Playing);
        EXPECT_TRUE(waitUntil([&] { return device->mode(t) == TrackMode::Stopped; }, 3000ms)) << "the track ends";
        EXPECT_EQ(device->positionMs(t), 600);
    }
    if (before) ::setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else ::unsetenv("SDL_AUDIODRIVER");
}

INSTANTIATE_TEST_SUITE_P(Outputs, AudioDeviceTest, ::testing::Values(AudioBackend::Automatic, AudioBackend::WallClock),
                         [](const auto& info) { return std::string(info.param == AudioBackend::Automatic ? "Sdl" : "Clock"); });

}  // namespace
