#include "audio/Track.h"

#include <algorithm>
#include <cmath>

namespace vrh::audio {
namespace {
constexpr int64_t kChunkFrames = 2048;
}

Track::Track(std::unique_ptr<Decoder> decoder, int outputRate)
    : decoder_(std::move(decoder)), rate_(decoder_->rate()), frames_(decoder_->frames()),
      step_(double(rate_) / double(outputRate)), end_(frames_), buffer_(size_t(kChunkFrames) * 2),
      scratch_(size_t(kChunkFrames) * size_t(decoder_->channels())) {}

int64_t Track::lengthMs() const { return frames_ * 1000 / rate_; }
int64_t Track::positionMs() const { return pos_ * 1000 / rate_; }

// Rounded up, so that a position set in milliseconds reads back as the same
// number of milliseconds.
int64_t Track::msToFrame(double ms) const {
    const double f = std::ceil(ms * rate_ / 1000.0 - 1e-6);
    return std::clamp<int64_t>(int64_t(std::max(0.0, f)), 0, frames_);
}

bool Track::play(std::optional<double> fromMs, std::optional<double> toMs) {
    const double length = double(lengthMs());
    if (fromMs && (*fromMs < 0 || *fromMs > length)) return false;
    if (toMs && (*toMs < 0 || *toMs > length)) return false;
    const int64_t from = fromMs ? msToFrame(*fromMs) : pos_;
    const int64_t to = toMs ? msToFrame(*toMs) : frames_;
    if (from > to) return false;
    if (fromMs) {
        pos_ = from;
        frac_ = 0;
    }
    end_ = to;
    mode_ = pos_ < end_ ? Mode::Playing : Mode::Stopped;
    return true;
}

bool Track::seekMs(double ms) {
    if (ms < 0 || ms > double(lengthMs())) return false;
    mode_ = Mode::Stopped;
    pos_ = msToFrame(ms);
    frac_ = 0;
    return true;
}

void Track::seekToEnd() {
    mode_ = Mode::Stopped;
    pos_ = frames_;
    frac_ = 0;
}

void Track::pause() {
    if (mode_ == Mode::Playing) mode_ = Mode::Paused;
}

void Track::resume() {
    if (mode_ == Mode::Paused) mode_ = Mode::Playing;
}

bool Track::setVolume(int64_t volume) {
    if (volume < 0 || volume > 1000) return false;
    gain_ = float(volume) / 1000.0f;
    return true;
}

bool Track::ensure(int64_t frame) {
    const int64_t bufEnd = bufStart_ + bufFrames_;
    const bool haveNext = frame + 1 >= frames_ || frame + 1 < bufEnd;
    if (frame >= bufStart_ && frame < bufEnd && haveNext) return true;

    // New window starting at `frame`; keep it if it is the last buffered one.
    int64_t kept = 0;
    if (frame >= bufStart_ && frame < bufEnd) {
        std::copy_n(frameAt(frame), 2, buffer_.begin());
        kept = 1;
    }
    const int64_t next = frame + kept;
    if (readerPos_ != next) {
        if (!decoder_->seek(next)) {
            bufFrames_ = 0;
            return false;
        }
        readerPos_ = next;
    }
    const int channels = decoder_->channels();
    const size_t got = decoder_->read(scratch_.data(), size_t(kChunkFrames - kept));
    readerPos_ += int64_t(got);
    for (size_t i = 0; i < got; ++i) {
        const float* src = &scratch_[i * size_t(channels)];
        float* dst = &buffer_[(size_t(kept) + i) * 2];
        dst[0] = src[0];
        dst[1] = channels > 1 ? src[1] : src[0];  // mono goes to both sides
    }
    bufStart_ = frame;
    bufFrames_ = kept + int64_t(got);
    return bufFrames_ > 0;
}

void Track::mixInto(float* out, size_t frames) {
    if (mode_ != Mode::Playing) return;
    for (size_t i = 0; i < frames && mode_ == Mode::Playing; ++i) {
        if (pos_ >= end_ || !ensure(pos_)) {
            // The end point, or the file holds less than its header said.
            mode_ = Mode::Stopped;
            break;
        }
        const float* a = frameAt(pos_);
        const bool hasNext = pos_ + 1 < bufStart_ + bufFrames_ && pos_ + 1 < end_;
        const float* b = hasNext ? frameAt(pos_ + 1) : a;
        const float t = float(frac_);
        out[2 * i] += gain_ * (a[0] + (b[0] - a[0]) * t);
        out[2 * i + 1] += gain_ * (a[1] + (b[1] - a[1]) * t);
        frac_ += step_;
        const double whole = std::floor(frac_);
        pos_ += int64_t(whole);
        frac_ -= whole;
    }
    if (mode_ == Mode::Playing && pos_ >= end_) mode_ = Mode::Stopped;
    if (mode_ == Mode::Stopped && pos_ > end_) {
        pos_ = end_;  // a step of more than one frame may overshoot the end
        frac_ = 0;
    }
}

}  // namespace vrh::audio
