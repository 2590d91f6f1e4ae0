#pragma once
// The audio device as the sound players see it: files opened as tracks,
// played over a range, stopped, paused, and asked for their mode, length and
// position. Every call on a track that is not open does nothing (queries
// answer NotOpen and 0), so a missing or damaged file stays silent.
#include <cstdint>
#include <string>

namespace vrh {

enum class TrackId : uint32_t { None = 0 };

enum class TrackMode { NotOpen, Stopped, Playing, Paused };

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // A WAVE or MP3 file; TrackId::None when it cannot be decoded. A file that
    // is open already answers its track, left as it is.
    virtual TrackId open(const std::string& path) = 0;
    virtual void close(TrackId track) = 0;
    // Plays from `fromMs` to `toMs` (0: to the end of the file). A range
    // outside the file or running backwards changes nothing.
    virtual void play(TrackId track, double fromMs, double toMs) = 0;
    virtual void stop(TrackId track) = 0;  // and back to the start
    virtual void pause(TrackId track) = 0;
    virtual void resume(TrackId track) = 0;
    // 0..100; other values change nothing.
    virtual void setVolume(TrackId track, int percent) = 0;

    virtual TrackMode mode(TrackId track) = 0;
    virtual int64_t lengthMs(TrackId track) = 0;
    virtual int64_t positionMs(TrackId track) = 0;
};

}  // namespace vrh
