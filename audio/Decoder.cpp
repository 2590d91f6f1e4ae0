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
    return rate >= kMinRate && rate <= kMaxRate && channels >= 1 && channels <= kMaxChannels && frames > 0 &&
           frames < int64_t(rate) * 60 * 60 * 24;
}

// Bytes in memory read like a file (the readers' from-memory entry).
struct MemoryFile {
    std::string bytes;
    int64_t at = 0;

    int64_t read(void* into, int64_t count) {
        const int64_t n = std::clamp<int64_t>(int64_t(bytes.size()) - at, 0, count);
        std::copy_n(bytes.data() + at, n, static_cast<char*>(into));
        at += n;
        return n;
    }
    int64_t seek(int64_t offset, int whence) {
        const int64_t to = offset + (whence == SEEK_CUR   ? at
                                     : whence == SEEK_END ? int64_t(bytes.size())
                                                          : 0);
        if (to < 0) return -1;
        return at = to;
    }
};

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

    bool openFile(const std::string& path) {
        // Always two 16-bit channels out; the library upmixes mono itself.
        return create() &&
               mpg123_open_fixed(handle_, path.c_str(), MPG123_STEREO, MPG123_ENC_SIGNED_16) == MPG123_OK &&
               prepare();
    }

    bool openBytes(std::string bytes) {
        if (!create()) return false;
        memory_.bytes = std::move(bytes);
        const auto read = [](void* m, void* into, size_t n) -> mpg123_ssize_t {
            return static_cast<MemoryFile*>(m)->read(into, int64_t(n));
        };
        const auto seek = [](void* m, off_t offset, int whence) -> off_t {
            return off_t(static_cast<MemoryFile*>(m)->seek(offset, whence));
        };
        if (mpg123_replace_reader_handle(handle_, read, seek, nullptr) != MPG123_OK) return false;
        // The same output format as mpg123_open_fixed gives a file.
        mpg123_format_none(handle_);
        const long* rates = nullptr;
        size_t count = 0;
        mpg123_rates(&rates, &count);
        for (size_t i = 0; i < count; ++i)
            mpg123_format(handle_, rates[i], MPG123_STEREO, MPG123_ENC_SIGNED_16);
        return mpg123_open_handle(handle_, &memory_) == MPG123_OK && prepare();
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
    bool create() {
        static std::once_flag once;
        std::call_once(once, [] { mpg123_init(); });
        int err = MPG123_OK;
        handle_ = mpg123_new(nullptr, &err);
        if (!handle_) return false;
        mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
        return true;
    }

    bool prepare() {
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

    mpg123_handle* handle_ = nullptr;
    std::vector<int16_t> pcm_;
    MemoryFile memory_;  // the bytes of a decoder opened from memory
};

class WaveDecoder final : public Decoder {
public:
    ~WaveDecoder() override {
        if (file_) sf_close(file_);
    }

    bool openFile(const std::string& path) {
        SF_INFO info{};
        file_ = sf_open(path.c_str(), SFM_READ, &info);
        return file_ && prepare(info);
    }

    bool openBytes(std::string bytes) {
        memory_.bytes = std::move(bytes);
        static SF_VIRTUAL_IO io = {
            [](void* m) -> sf_count_t { return sf_count_t(static_cast<MemoryFile*>(m)->bytes.size()); },
            [](sf_count_t offset, int whence, void* m) -> sf_count_t {
                return static_cast<MemoryFile*>(m)->seek(offset, whence);
            },
            [](void* into, sf_count_t n, void* m) -> sf_count_t {
                return static_cast<MemoryFile*>(m)->read(into, n);
            },
            [](const void*, sf_count_t, void*) -> sf_count_t { return 0; },
            [](void* m) -> sf_count_t { return static_cast<MemoryFile*>(m)->at; },
        };
        SF_INFO info{};
        file_ = sf_open_virtual(&io, SFM_READ, &info, &memory_);
        return file_ && prepare(info);
    }

    bool seek(int64_t frame) override { return sf_seek(file_, sf_count_t(frame), SEEK_SET) >= 0; }

    size_t read(float* out, size_t count) override {
        const sf_count_t got = sf_readf_float(file_, out, sf_count_t(count));
        return got > 0 ? size_t(got) : 0;
    }

private:
    bool prepare(const SF_INFO& info) {
        rate_ = info.samplerate;
        channels_ = info.channels;
        frames_ = int64_t(info.frames);
        if (!sane(rate_, channels_, frames_)) return false;
        // A header that promises data the file does not hold: refuse it.
        std::vector<float> probe(size_t(channels_) * 16);
        if (sf_readf_float(file_, probe.data(), 1) != 1) return false;
        return seek(0);
    }

    SNDFILE* file_ = nullptr;
    MemoryFile memory_;  // the bytes of a decoder opened from memory
};

template <class D>
std::unique_ptr<Decoder> tryOpen(const std::string& path) {
    auto d = std::make_unique<D>();
    if (!d->openFile(path)) return nullptr;
    return d;
}

template <class D>
std::unique_ptr<Decoder> tryBytes(std::string bytes) {
    auto d = std::make_unique<D>();
    if (!d->openBytes(std::move(bytes))) return nullptr;
    return d;
}

}  // namespace

std::unique_ptr<Decoder> openDecoder(const std::string& path) {
    const std::string ext = lowerExtension(path);
    if (ext == ".mp3") return tryOpen<Mp3Decoder>(path);
    if (ext == ".wav" || ext == ".wave") return tryOpen<WaveDecoder>(path);
    return nullptr;
}

std::unique_ptr<Decoder> decodeBytes(Format format, std::string bytes) {
    if (format == Format::Mp3) return tryBytes<Mp3Decoder>(std::move(bytes));
    return tryBytes<WaveDecoder>(std::move(bytes));
}

}  // namespace vrh::audio
