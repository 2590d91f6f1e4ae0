// The media-control device's command parser on arbitrary command strings.
//
// Each input is a list of commands, one per line. The device runs on the
// wall-clock output (no SDL); the commands run in a scratch folder that
// holds only two tiny WAV files ("tiny.wav" and "two words.wav"); "tiny.wav"
// is opened before the commands of every input and everything is closed
// after them. One device serves every input; its output thread mixes
// whatever the commands start while they run.
//
// What the fuzzer keeps from the commands, so that an input stays fast and
// touches nothing outside the scratch folder:
//  - "open" with a path containing '/' is skipped (relative names only);
//  - every "wait" (in any case, also glued to a quoted name as in
//    `play "x.wav"wait`) is cut out of "play" commands: a waiting play blocks
//    until the file has played, and an input that keeps one costs
//    milliseconds, so the corpus would fill with them and the fuzzer slow to
//    a crawl. No open name holds "wait", so nothing else changes. The wait
//    itself is covered by the device's unit tests.
//
// Properties: no crash, no sanitizer report, no hang; every reply is empty,
// a number, or one of "playing", "paused", "stopped"; a track's position
// never exceeds its length, and the length of the fixture is its true length.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "audio/AudioDevice.h"

using namespace vrh;
using vrh::fuzz::shown;

namespace {

constexpr int kRate = 22050;
constexpr int kFrames = 441;  // 20 ms
constexpr int kLengthMs = kFrames * 1000 / kRate;
constexpr size_t kMaxCommands = 64;

// 16-bit stereo PCM.
void writeWav(const std::filesystem::path& path) {
    std::string b;
    auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b += char(v >> (8 * i));
    };
    const uint32_t bytes = kFrames * 2 * 2;
    b += "RIFF";
    put(36 + bytes, 4);
    b += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(2, 2);
    put(kRate, 4);
    put(kRate * 4, 4);
    put(4, 2);
    put(16, 2);
    b += "data";
    put(bytes, 4);
    for (int i = 0; i < kFrames * 2; ++i) put(uint16_t(int16_t((i * 977) % 16000 - 8000)), 2);
    std::ofstream(path, std::ios::binary) << b;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The command as the fuzzer passes it on, or empty to skip it.
std::string tame(std::string_view line) {
    size_t start = 0;
    while (start < line.size() && blank(line[start])) ++start;
    size_t end = start;
    while (end < line.size() && !blank(line[end])) ++end;
    const std::string verb = lower(line.substr(start, end - start));
    if (verb == "open") return line.find('/') == std::string_view::npos ? std::string(line) : std::string();
    if (verb != "play") return std::string(line);
    // Cutting one "wait" out may join two halves into another ("wawaitit").
    std::string out(line);
    for (size_t at = lower(out).find("wait"); at != std::string::npos; at = lower(out).find("wait"))
        out.erase(at, 4);
    return out;
}

bool isNumber(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::unique_ptr<MciDevice>& device() {
    static std::unique_ptr<MciDevice> d;
    return d;
}

std::filesystem::path& scratch() {
    static std::filesystem::path dir;
    return dir;
}

// The commands run with the scratch folder as the working folder; libFuzzer
// itself (corpus, artifacts) sees the folder it was started in.
class InScratch {
public:
    InScratch() : home_(std::filesystem::current_path()) { std::filesystem::current_path(scratch()); }
    ~InScratch() { std::filesystem::current_path(home_); }

private:
    std::filesystem::path home_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scratch() = std::filesystem::temp_directory_path() / ("vrh-fuzz-mci-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch());
    writeWav(scratch() / "tiny.wav");
    writeWav(scratch() / "two words.wav");
    device() = makeAudioDevice(AudioOutput::WallClock);
    std::atexit([] {
        device().reset();
        std::error_code ec;
        std::filesystem::remove_all(scratch(), ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MciDevice& mci = *device();
    const InScratch here;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    mci.mciSendString("open tiny.wav wait");
    size_t commands = 0;
    for (size_t at = 0; at <= input.size() && commands < kMaxCommands; ++commands) {
        size_t nl = input.find('\n', at);
        if (nl == std::string_view::npos) nl = input.size();
        const std::string command = tame(input.substr(at, nl - at));
        at = nl + 1;
        if (command.empty()) continue;
        const std::string reply = mci.mciSendString(command);
        FUZZ_CHECK(reply.empty() || isNumber(reply) || reply == "playing" || reply == "paused" || reply == "stopped",
                   shown(command) + " answered " + shown(reply));
    }

    // The fixture, if the commands left it open, still tells the truth.
    const std::string length = mci.mciSendString("status tiny.wav length");
    if (!length.empty()) {
        FUZZ_CHECK(length == std::to_string(kLengthMs), "length " + shown(length));
        const std::string position = mci.mciSendString("status tiny.wav position");
        FUZZ_CHECK(isNumber(position) && std::stoll(position) <= kLengthMs, "position " + shown(position));
    }
    mci.mciSendString("close all");
    return 0;
}
