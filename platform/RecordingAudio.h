#pragma once
// Test stand-in of the audio device. Records every command on an open track
// as a short line ("open /m/ps2.wav", "play /m/ps2.wav",
// "play /m/ps2.wav from 2000 to 10000", "volume /m/ps2.wav 50", "stop ...",
// "pause ...", "resume ...", "close ...") and answers the queries from
// `answers`, by path: a path the test left out reads NotOpen, 0 ms. With
// `forward` set, a real device opens, plays and answers instead (the commands
// are still recorded).
#include <map>
#include <string>
#include <vector>

#include "platform/AudioOutput.h"

namespace vrh {

class RecordingAudio : public AudioOutput {
public:
    struct Answer {
        TrackMode mode = TrackMode::NotOpen;
        int64_t lengthMs = 0, positionMs = 0;
    };

    TrackId open(const std::string& path) override;
    void close(TrackId track) override;
    void play(TrackId track, double fromMs, double toMs) override;
    void stop(TrackId track) override;
    void pause(TrackId track) override;
    void resume(TrackId track) override;
    void setVolume(TrackId track, int percent) override;
    TrackMode mode(TrackId track) override;
    int64_t lengthMs(TrackId track) override;
    int64_t positionMs(TrackId track) override;

    // How often `call` was recorded.
    int count(const std::string& call) const;

    std::vector<std::string> calls;
    std::map<std::string, Answer> answers;
    AudioOutput* forward = nullptr;

private:
    bool record(TrackId track, const std::string& verb, const std::string& rest = {});
    Answer answer(TrackId track) const;

    std::map<TrackId, std::string> paths_;
    uint32_t lastId_ = 0;
};

}  // namespace vrh
