#include "audio/AudioDevice.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "audio/Track.h"

// How the device keeps time
// -------------------------
// Nothing here reads a clock to find out where a file is. Every opened file is
// a Track whose position counts the file's frames that the mixer has taken
// from it, and the mixer only runs when the output asks for audio. With a
// sound card that is SDL's callback, paced by the hardware. Without one, the
// device opens SDL's "dummy" driver, which asks for a buffer every buffer
// length (so time still passes at about real speed: positions advance and a
// file ends and reads "stopped"). Should SDL not start at all, a thread of our
// own plays the part of the sound card: it wakes every few milliseconds and
// mixes as many frames as the steady clock says are due. "status position"
// therefore always reports the audio that has actually been consumed.

namespace vrh {
namespace {

using audio::Mode;
using audio::Track;

constexpr int kOutputRate = 44100;
constexpr int kBufferFrames = 1024;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Splits off the first blank-separated word.
std::string_view takeWord(std::string_view& s) {
    s = trim(s);
    size_t n = 0;
    while (n < s.size() && !isBlank(s[n])) ++n;
    std::string_view word = s.substr(0, n);
    s = trim(s.substr(n));
    return word;
}

std::vector<std::string> words(std::string_view s) {
    std::vector<std::string> out;
    for (std::string_view w = takeWord(s); !w.empty(); w = takeWord(s)) out.push_back(lower(w));
    return out;
}

// A time in milliseconds: digits with an optional fraction ("2000", "2.5").
std::optional<double> parseMs(const std::string& text) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    size_t digits = 0, dots = 0;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            ++digits;
        else if (c == '.')
            ++dots;
        else
            return std::nullopt;
    }
    if (digits == 0 || dots > 1) return std::nullopt;
    return std::stod(text);
}

std::optional<int64_t> parseInteger(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return std::stoll(text);
}

class AudioMci final : public MciDevice {
public:
    explicit AudioMci(AudioOutput output) {
        if (output == AudioOutput::Automatic && startSdl()) return;
        startClock();
    }

    ~AudioMci() override {
        if (sdlDevice_) {
            SDL_CloseAudioDevice(sdlDevice_);  // returns after the last callback
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        if (clock_.joinable()) {
            {
                std::lock_guard lock(clockMutex_);
                quit_ = true;
            }
            clockWake_.notify_all();
            clock_.join();
        }
    }

    std::string mciSendString(const std::string& command) override {
        std::string_view rest = command;
        const std::string verb = lower(takeWord(rest));
        if (verb == "open") return open(rest);
        if (verb == "play") return play(rest);

        // Closed files are freed after the lock is released.
        std::unique_ptr<Track> closed;
        TrackMap closedAll;
        std::lock_guard lock(mutex_);
        if (verb == "close" && lower(trim(rest)) == "all" && !tracks_.count("all")) {
            closedAll.swap(tracks_);
            return {};
        }
        auto named = findDevice(rest);
        if (!named) return {};
        Track& track = *named->first->second;
        std::vector<std::string> args = words(named->second);
        if (!args.empty() && args.back() == "wait") args.pop_back();

        if (verb == "status") {
            if (args.size() != 1) return {};
            if (args[0] == "length") return std::to_string(track.lengthMs());
            if (args[0] == "position") return std::to_string(track.positionMs());
            if (args[0] == "mode") return modeText(track.mode());
            return {};
        }
        if (verb == "seek") {
            if (args.size() != 2 || args[0] != "to") return {};
            if (args[1] == "start")
                track.seekMs(0);
            else if (args[1] == "end")
                track.seekToEnd();
            else if (auto ms = parseMs(args[1]))
                track.seekMs(*ms);
            return {};
        }
        if (verb == "setaudio") {
            if (args.size() != 3 || args[0] != "volume" || args[1] != "to") return {};
            if (auto volume = parseInteger(args[2])) track.setVolume(*volume);
            return {};
        }
        if (!args.empty()) return {};
        if (verb == "stop") track.stop();
        else if (verb == "pause") track.pause();
        else if (verb == "resume") track.resume();
        else if (verb == "close") {
            track.stop();
            closed = std::move(named->first->second);
            tracks_.erase(named->first);
        }
        return {};
    }

private:
    using TrackMap = std::map<std::string, std::unique_ptr<Track>>;

    static std::string modeText(Mode mode) {
        switch (mode) {
            case Mode::Playing: return "playing";
            case Mode::Paused: return "paused";
            case Mode::Stopped: break;
        }
        return "stopped";
    }

    // The device named at the start of `rest`, and what follows the name.
    // Paths may hold blanks, so a quoted name is taken as it is, and otherwise
    // the longest open name that `rest` begins with (followed by a blank or
    // the end) wins. Must be called with the mutex held.
    std::optional<std::pair<TrackMap::iterator, std::string_view>> findDevice(std::string_view rest) {
        rest = trim(rest);
        if (rest.empty()) return std::nullopt;
        if (rest.front() == '"') {
            const size_t close = rest.find('"', 1);
            if (close == std::string_view::npos) return std::nullopt;
            auto it = tracks_.find(std::string(rest.substr(1, close - 1)));
            if (it == tracks_.end()) return std::nullopt;
            return std::pair{it, rest.substr(close + 1)};
        }
        std::optional<std::pair<TrackMap::iterator, std::string_view>> best;
        size_t bestLength = 0;
        for (auto it = tracks_.begin(); it != tracks_.end(); ++it) {
            const std::string& name = it->first;
            if (name.size() <= bestLength || !rest.starts_with(name)) continue;
            if (rest.size() > name.size() && !isBlank(rest[name.size()])) continue;
            best = std::pair{it, rest.substr(name.size())};
            bestLength = name.size();
        }
        return best;
    }

    // "open <path> [wait]": the path may be quoted.
    std::string open(std::string_view rest) {
        rest = trim(rest);
        std::string name;
        if (!rest.empty() && rest.front() == '"') {
            const size_t close = rest.find('"', 1);
            if (close == std::string_view::npos) return {};
            name = rest.substr(1, close - 1);
            const auto flags = words(rest.substr(close + 1));
            if (!(flags.empty() || (flags.size() == 1 && flags[0] == "wait"))) return {};
        } else {
            if (rest.size() >= 4 && lower(rest.substr(rest.size() - 4)) == "wait" &&
                (rest.size() == 4 || isBlank(rest[rest.size() - 5])))
                rest = trim(rest.substr(0, rest.size() - 4));
            name = rest;
        }
        if (name.empty()) return {};
        {
            std::lock_guard lock(mutex_);
            if (tracks_.count(name)) return {};  // already open: left as it is
        }
        auto decoder = audio::openDecoder(name);  // the slow part, outside the lock
        if (!decoder) return {};
        auto track = std::make_unique<Track>(std::move(decoder), kOutputRate);
        std::lock_guard lock(mutex_);
        tracks_.try_emplace(name, std::move(track));
        return {};
    }

    // "play <dev> [from A] [to B] [wait]"
    std::string play(std::string_view rest) {
        std::string name;
        int64_t remainingMs = 0;
        {
            std::lock_guard lock(mutex_);
            auto named = findDevice(rest);
            if (!named) return {};
            std::optional<double> from, to;
            bool wait = false;
            const auto args = words(named->second);
            for (size_t i = 0; i < args.size(); ++i) {
                if (args[i] == "wait") {
                    wait = true;
                } else if ((args[i] == "from" || args[i] == "to") && i + 1 < args.size()) {
                    auto ms = parseMs(args[i + 1]);
                    if (!ms) return {};
                    (args[i] == "from" ? from : to) = ms;
                    ++i;
                } else {
                    return {};
                }
            }
            Track& track = *named->first->second;
            if (!track.play(from, to) || !wait) return {};
            name = named->first->first;
            remainingMs = std::max<int64_t>(0, track.lengthMs() - track.positionMs());
        }
        // "wait": block until the file has played. A stalled output must not
        // hang the caller, so give up after twice the time left plus 2 s.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(2 * remainingMs + 2000);
        while (std::chrono::steady_clock::now() < deadline) {
            {
                std::lock_guard lock(mutex_);
                auto it = tracks_.find(name);
                if (it == tracks_.end() || it->second->mode() != Mode::Playing) break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return {};
    }

    // Called by the output for every buffer: sums the playing files, clamps.
    void mix(float* out, size_t frames) {
        std::fill(out, out + frames * 2, 0.0f);
        {
            std::lock_guard lock(mutex_);
            for (auto& entry : tracks_) entry.second->mixInto(out, frames);
        }
        for (size_t i = 0; i < frames * 2; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
    }

    static void sdlCallback(void* self, Uint8* stream, int bytes) {
        static_cast<AudioMci*>(self)->mix(reinterpret_cast<float*>(stream), size_t(bytes) / (2 * sizeof(float)));
    }

    bool openSdlDevice() {
        SDL_AudioSpec want{};
        want.freq = kOutputRate;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = kBufferFrames;
        want.callback = &AudioMci::sdlCallback;
        want.userdata = this;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts to whatever the hardware wants.
        sdlDevice_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (!sdlDevice_) return false;
        SDL_PauseAudioDevice(sdlDevice_, 0);
        return true;
    }

    bool startSdl() {
        // Ctrl+C and SIGTERM stay with the program, not with SDL.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            if (openSdlDevice()) return true;
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        if (SDL_WasInit(SDL_INIT_AUDIO)) return false;  // held by someone else
        // No sound card: SDL's silent driver still consumes audio in real time.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        bool ok = false;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            ok = openSdlDevice();
            if (!ok) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        return ok;
    }

    void startClock() {
        clock_ = std::thread([this] {
            std::vector<float> buffer(size_t(kBufferFrames) * 2);
            const auto start = std::chrono::steady_clock::now();
            int64_t mixed = 0;
            std::unique_lock lock(clockMutex_);
            while (!quit_) {
                clockWake_.wait_for(lock, std::chrono::milliseconds(10));
                const auto elapsed = std::chrono::steady_clock::now() - start;
                const int64_t due =
                    std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * kOutputRate / 1000000;
                while (mixed < due && !quit_) {
                    const int64_t n = std::min<int64_t>(due - mixed, kBufferFrames);
                    mix(buffer.data(), size_t(n));
                    mixed += n;
                }
            }
        });
    }

    std::mutex mutex_;  // guards tracks_ (UI thread and output thread)
    TrackMap tracks_;

    SDL_AudioDeviceID sdlDevice_ = 0;

    std::thread clock_;
    std::mutex clockMutex_;
    std::condition_variable clockWake_;
    bool quit_ = false;
};

}  // namespace

std::unique_ptr<MciDevice> makeAudioDevice(AudioOutput output) { return std::make_unique<AudioMci>(output); }

}  // namespace vrh
