#pragma once
// What every decoder fuzz target checks on the bytes it is given.
//
// Properties, for bytes the reader accepts:
//  - rate, channel count and frame count are within the bounds the device
//    plays (4 kHz..384 kHz, 1..8 channels, at least one frame);
//  - reading comes to an end, also again after seek(0) (a replay). (For
//    damaged MPEG data the libraries may hand out more frames than they
//    announced, as its end trimming is guessed; the track never plays past
//    the announced length, checked below.)
//  - MP3 samples lie in [-1, 1) (16-bit PCM scaled);
//  - a track over the reader plays without reading past its length, and its
//    position never passes the length.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "audio/Decoder.h"
#include "audio/Track.h"

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
    const int64_t cap = 4 * d->frames() + 65536;  // 1 KiB of input decodes to far less
    std::vector<float> buf(kChunk * size_t(d->channels()));
    for (int pass = 0; pass < 2 && (pass == 0 || d->seek(0)); ++pass) {
        int64_t total = 0;
        for (size_t got; total <= cap && (got = d->read(buf.data(), kChunk)) > 0;) {
            total += int64_t(got);
            if (format == audio::Format::Mp3)
                for (size_t i = 0; i < got * size_t(d->channels()); ++i)
                    FUZZ_CHECK(buf[i] >= -1.0f && buf[i] < 1.0f, shape);
        }
        FUZZ_CHECK(total <= cap, shape + ", read " + std::to_string(total) + " in pass " + std::to_string(pass));
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
