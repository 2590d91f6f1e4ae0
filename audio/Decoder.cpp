#include "audio/Decoder.h"

#include <mpg123.h>
#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <mutex>
#include <vector>

namespace vrh::audio {
namespace {

// Rates and channel counts outside these bounds are treated as damaged files.
constexpr int kMinRate = 4000;
constexpr int kMaxRate = 384000;
constexpr int kMaxChannels = 8;

bool sane(int rate, int channels, int64_t frames) {
    return rate >= kMinRate && rate <= kMaxRate && channels >= 1 && channels <= kMaxChannels &&
           frames > 0 && frames < int64_t(rate) * 60 * 60 * 24;
}

std::string lowerExtension(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

class Mp3Decoder final : public Decoder {
public:
    ~Mp3Decoder() override {
        if (handle_) mpg123_delete(handle_);  // also closes the file
    }

    bool open(const std::string& path) {
        static std::once_flag once;
        std::call_once(once, [] { mpg123_init(); });
        int err = MPG123_OK;
        handle_ = mpg123_new(nullptr, &err);
        if (!handle_) return false;
        mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
        // Always two 16-bit channels out; the library upmixes mono itself.
        if (mpg123_open_fixed(handle_, path.c_str(), MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK)
            return false;
        // A full scan makes the length exact (encoder delay and padding removed).
        if (mpg123_scan(handle_) != MPG123_OK) return false;
        long rate = 0;
        int channels = 0, encoding = 0;
        if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK) return false;
        if (channels != 2 || encoding != MPG123_ENC_SIGNED_16) return false;
        const off_t length = mpg123_length(handle_);
        if (length <= 0) return false;
        rate_ = int(rate);
        channels_ = 2;
        frames_ = int64_t(length);
        return sane(rate_, channels_, frames_) && seek(0);
    }

    bool seek(int64_t frame) override { return mpg123_seek(handle_, off_t(frame), SEEK_SET) >= 0; }

    size_t read(float* out, size_t count) override {
        pcm_.resize(count * 2);
        size_t got = 0;  // bytes
        for (int attempts = 0; attempts < 4; ++attempts) {
            size_t done = 0;
            const int rc = mpg123_read(handle_, pcm_.data() + got / sizeof(int16_t),
                                       pcm_.size() * sizeof(int16_t) - got, &done);
            got += done;
            if (got == pcm_.size() * sizeof(int16_t)) break;
            if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT) break;  // end or damage
            if (rc == MPG123_OK && done == 0) break;
        }
        const size_t frames = got / (2 * sizeof(int16_t));
        for (size_t i = 0; i < frames * 2; ++i) out[i] = pcm_[i] * (1.0f / 32768.0f);
        return frames;
    }

private:
    mpg123_handle* handle_ = nullptr;
    std::vector<int16_t> pcm_;
};

class WaveDecoder final : public Decoder {
public:
    ~WaveDecoder() override {
        if (file_) sf_close(file_);
    }

    bool open(const std::string& path) {
        SF_INFO info{};
        file_ = sf_open(path.c_str(), SFM_READ, &info);
        if (!file_) return false;
        rate_ = info.samplerate;
        channels_ = info.channels;
        frames_ = int64_t(info.frames);
        if (!sane(rate_, channels_, frames_)) return false;
        // A header that promises data the file does not hold: refuse it.
        std::vector<float> probe(size_t(channels_) * 16);
        if (sf_readf_float(file_, probe.data(), 1) != 1) return false;
        return seek(0);
    }

    bool seek(int64_t frame) override { return sf_seek(file_, sf_count_t(frame), SEEK_SET) >= 0; }

    size_t read(float* out, size_t count) override {
        const sf_count_t got = sf_readf_float(file_, out, sf_count_t(count));
        return got > 0 ? size_t(got) : 0;
    }

private:
    SNDFILE* file_ = nullptr;
};

template <class D>
std::unique_ptr<Decoder> tryOpen(const std::string& path) {
    auto d = std::make_unique<D>();
    if (!d->open(path)) return nullptr;
    return d;
}

}  // namespace

std::unique_ptr<Decoder> openDecoder(const std::string& path) {
    const std::string ext = lowerExtension(path);
    if (ext == ".mp3") return tryOpen<Mp3Decoder>(path);
    if (ext == ".wav" || ext == ".wave") return tryOpen<WaveDecoder>(path);
    return nullptr;
}

}  // namespace vrh::audio
