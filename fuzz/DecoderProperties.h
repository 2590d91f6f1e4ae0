#pragma once
// What every decoder fuzz target checks on the bytes it is given.
//
// Properties, for bytes the reader accepts:
//  - rate, channel count and frame count are within the bounds the device
//    plays (4 kHz..384 kHz, 1..8 channels, at least one frame);
//  - reading to the end hands out no more frames than announced;
//  - after seek(0) the first frames read again are the same bytes;
//  - MP3 samples lie in [-1, 1) (16-bit PCM scaled);
//  - a track over the reader plays without reading past its length, and its
//    position never passes the length.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "platform/audio/Decoder.h"
#include "platform/audio/Track.h"

namespace vrh::fuzz {

inline void checkDecoder(audio::Format format, const uint8_t* data, size_t size) {
    auto d = audio::decodeBytes(format, std::string(reinterpret_cast<const char*>(data), size));
    if (!d) return;
    const std::string shape = std::to_string(d->rate()) + " Hz, " + std::to_string(d->channels()) + " channels, " +
                              std::to_string(d->frames()) + " frames";
    FUZZ_CHECK(d->rate() >= 4000 && d->rate() <= 384000 && d->channels() >= 1 && d->channels() <= 8 &&
                   d->frames() > 0,
               shape);

    constexpr size_t kChunk = 512;
    const size_t width = size_t(d->channels());
    std::vector<float> first(kChunk * width), buf(kChunk * width);
    const size_t firstGot = d->read(first.data(), kChunk);
    int64_t total = int64_t(firstGot);
    for (size_t got; total <= d->frames() && (got = d->read(buf.data(), kChunk)) > 0;) total += int64_t(got);
    FUZZ_CHECK(total <= d->frames(), shape + ", read " + std::to_string(total));
    if (format == audio::Format::Mp3)
        for (size_t i = 0; i < firstGot * width; ++i) FUZZ_CHECK(first[i] >= -1.0f && first[i] < 1.0f, shape);

    if (d->seek(0)) {
        const size_t again = d->read(buf.data(), kChunk);
        FUZZ_CHECK(again == firstGot && std::memcmp(buf.data(), first.data(), again * width * sizeof(float)) == 0,
                   shape + ": the first frames read differently after seek(0)");
    }

    audio::Track track(std::move(d), 44100);
    track.play(0.0, std::nullopt);
    std::vector<float> out(2 * 4096);
    for (int block = 0; block < 64 && track.mode() == audio::Mode::Playing; ++block) {
        track.mixInto(out.data(), 4096);
        FUZZ_CHECK(track.positionFrames() <= track.lengthFrames(), shape);
    }
}

}  // namespace vrh::fuzz
