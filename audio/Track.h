#pragma once
// One opened media file as the mixer sees it: a streaming reader, the play
// state and a linear resampler to the mixer's rate. Positions are counted in
// the file's own frames, so a track's position reports exactly how much of the
// file the mixer has consumed. Not thread-safe: the device guards every call.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "audio/Decoder.h"
#include "platform/AudioOutput.h"

namespace vrh::audio {

using Mode = TrackMode;  // never NotOpen here

class Track {
public:
    Track(std::unique_ptr<Decoder> decoder, int outputRate);

    Mode mode() const { return mode_; }
    int64_t lengthMs() const;
    int64_t positionMs() const;
    int64_t positionFrames() const { return pos_; }
    int64_t lengthFrames() const { return frames_; }
    int rate() const { return rate_; }
    float gain() const { return gain_; }

    // Each returns false (and changes nothing) when the request is out of range.
    bool play(std::optional<double> fromMs, std::optional<double> toMs);
    bool seekMs(double ms);  // stops playback
    void seekToEnd();
    void stop() { mode_ = Mode::Stopped; }
    void pause();
    void resume();
    bool setVolume(int64_t volume);  // 0..1000

    // Adds up to `frames` stereo frames (interleaved L,R) into `out` at the
    // output rate, scaled by the volume. Reaching the end point stops the track.
    void mixInto(float* out, size_t frames);

private:
    int64_t msToFrame(double ms) const;
    bool ensure(int64_t frame);  // makes `frame` (and the next one, if any) readable
    const float* frameAt(int64_t frame) const { return &buffer_[size_t(frame - bufStart_) * 2]; }

    std::unique_ptr<Decoder> decoder_;
    int rate_;
    int64_t frames_;
    double step_;  // source frames per output frame

    Mode mode_ = Mode::Stopped;
    int64_t pos_ = 0;  // current source frame
    double frac_ = 0;  // fraction between pos_ and pos_ + 1
    int64_t end_ = 0;  // playback stops when pos_ reaches this frame
    float gain_ = 1.0f;

    std::vector<float> buffer_;   // stereo frames [bufStart_, bufStart_ + bufFrames_)
    std::vector<float> scratch_;  // frames in the file's channel layout
    int64_t bufStart_ = 0;
    int64_t bufFrames_ = 0;
    int64_t readerPos_ = 0;  // next frame the decoder will hand out
};

}  // namespace vrh::audio
