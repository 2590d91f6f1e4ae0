#pragma once
// Streaming readers of the two media formats the game ships: MP3 through
// libmpg123 and WAVE through libsndfile. A reader hands out interleaved float
// frames at the file's own rate and channel count; the track resamples.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vrh::audio {

class Decoder {
public:
    virtual ~Decoder() = default;
    int rate() const { return rate_; }
    int channels() const { return channels_; }
    // Exact number of frames in the file (gapless for MP3).
    int64_t frames() const { return frames_; }
    // Moves the read position to a frame; false when the reader cannot.
    virtual bool seek(int64_t frame) = 0;
    // Reads up to `count` frames (count * channels() floats); returns the
    // number read, 0 at the end of the data or on a read error.
    virtual size_t read(float* interleaved, size_t count) = 0;

protected:
    int rate_ = 0;
    int channels_ = 0;
    int64_t frames_ = 0;
};

// Chooses the reader from the extension (".mp3", ".wav", ".wave", any case).
// Returns null for other extensions and for files that cannot be decoded or
// hold no audio.
std::unique_ptr<Decoder> openDecoder(const std::string& path);

// The same readers over the bytes of a file held in memory.
enum class Format { Mp3, Wave };
std::unique_ptr<Decoder> decodeBytes(Format format, std::string bytes);

}  // namespace vrh::audio
