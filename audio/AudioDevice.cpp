#include "audio/AudioDevice.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
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
// file ends and reads Stopped). Should SDL not start at all, a thread of our
// own plays the part of the sound card: it wakes every few milliseconds and
// mixes as many frames as the steady clock says are due. A track's position
// therefore always reports the audio that has actually been consumed.

namespace vrh {
namespace {

using audio::Track;

constexpr int kOutputRate = 44100;
constexpr int kBufferFrames = 1024;

class AudioDevice final : public AudioOutput {
public:
    explicit AudioDevice(AudioBackend backend) {
        if (backend == AudioBackend::Automatic && startSdl()) return;
        startClock();
    }

    ~AudioDevice() override {
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

    TrackId open(const std::string& path) override {
        if (path.empty()) return TrackId::None;
        {
            std::lock_guard lock(mutex_);
            if (auto it = opened_.find(path); it != opened_.end()) return it->second;
        }
        auto decoder = audio::openDecoder(path);  // the slow part, outside the lock
        if (!decoder) return TrackId::None;
        auto track = std::make_unique<Track>(std::move(decoder), kOutputRate);
        std::lock_guard lock(mutex_);
        auto [it, added] = opened_.try_emplace(path, TrackId(lastId_ + 1));
        if (added) tracks_.try_emplace(TrackId(++lastId_), Entry{path, std::move(track)});
        return it->second;
    }

    void close(TrackId id) override {
        std::unique_ptr<Track> closed;  // freed after the lock is released
        std::lock_guard lock(mutex_);
        auto it = tracks_.find(id);
        if (it == tracks_.end()) return;
        closed = std::move(it->second.track);
        opened_.erase(it->second.path);
        tracks_.erase(it);
    }

    void play(TrackId id, double fromMs, double toMs) override {
        withTrack(id, [&](Track& t) { t.play(fromMs, toMs == 0 ? std::nullopt : std::optional(toMs)); });
    }
    void stop(TrackId id) override {
        withTrack(id, [](Track& t) { t.seekMs(0); });
    }
    void pause(TrackId id) override {
        withTrack(id, [](Track& t) { t.pause(); });
    }
    void resume(TrackId id) override {
        withTrack(id, [](Track& t) { t.resume(); });
    }
    void setVolume(TrackId id, int percent) override {
        withTrack(id, [&](Track& t) { t.setVolume(int64_t(percent) * 10); });
    }

    TrackMode mode(TrackId id) override {
        TrackMode mode = TrackMode::NotOpen;
        withTrack(id, [&](Track& t) { mode = t.mode(); });
        return mode;
    }
    int64_t lengthMs(TrackId id) override {
        int64_t ms = 0;
        withTrack(id, [&](Track& t) { ms = t.lengthMs(); });
        return ms;
    }
    int64_t positionMs(TrackId id) override {
        int64_t ms = 0;
        withTrack(id, [&](Track& t) { ms = t.positionMs(); });
        return ms;
    }

private:
    struct Entry {
        std::string path;
        std::unique_ptr<Track> track;
    };

    template <class F>
    void withTrack(TrackId id, F&& f) {
        std::lock_guard lock(mutex_);
        if (auto it = tracks_.find(id); it != tracks_.end()) f(*it->second.track);
    }

    // Called by the output for every buffer: sums the playing files, clamps.
    void mix(float* out, size_t frames) {
        std::fill(out, out + frames * 2, 0.0f);
        {
            std::lock_guard lock(mutex_);
            for (auto& entry : tracks_) entry.second.track->mixInto(out, frames);
        }
        for (size_t i = 0; i < frames * 2; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
    }

    static void sdlCallback(void* self, Uint8* stream, int bytes) {
        static_cast<AudioDevice*>(self)->mix(reinterpret_cast<float*>(stream),
                                             size_t(bytes) / (2 * sizeof(float)));
    }

    bool openSdlDevice() {
        SDL_AudioSpec want{};
        want.freq = kOutputRate;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = kBufferFrames;
        want.callback = &AudioDevice::sdlCallback;
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
                const int64_t due = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() *
                                    kOutputRate / 1000000;
                while (mixed < due && !quit_) {
                    const int64_t n = std::min<int64_t>(due - mixed, kBufferFrames);
                    mix(buffer.data(), size_t(n));
                    mixed += n;
                }
            }
        });
    }

    std::mutex mutex_;  // guards the tables (UI thread and output thread)
    std::map<TrackId, Entry> tracks_;
    std::map<std::string, TrackId> opened_;  // by path
    uint32_t lastId_ = 0;

    SDL_AudioDeviceID sdlDevice_ = 0;

    std::thread clock_;
    std::mutex clockMutex_;
    std::condition_variable clockWake_;
    bool quit_ = false;
};

}  // namespace

std::unique_ptr<AudioOutput> makeAudioDevice(AudioBackend backend) {
    return std::make_unique<AudioDevice>(backend);
}

}  // namespace vrh
