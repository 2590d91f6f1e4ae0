#pragma once
// What each decoder fuzz target checks on the bytes it is given, when the reader accepts them:
//  - rate, channels and frames within what the device plays (4..384 kHz, 1..8 channels, a frame);
//  - reading comes to an end, also again after seek(0) (damaged MPEG data may hand out more frames
//    than announced, its end trimming being guessed; the track never plays past the length);
//  - MP3 samples lie in [-1, 1) (16-bit PCM scaled);
//  - a track over the reader never reports a position past its length.
#include <string>
#include <vector>

#include "audio/Decoder.h"
#include "audio/Track.h"
#include "fuzz/FuzzCheck.h"

namespace vrh::fuzz {

inline void checkDecoder(audio::Format format, const uint8_t* data, size_t size) {
    auto d = audio::decodeBytes(format, std::string(reinterpret_cast<const char*>(data), size));
    if (!d) return;
    const std::string shape = std::to_string(d->rate()) + " Hz, " + std::to_string(d->channels()) +
                              " channels, " + std::to_string(d->frames()) + " frames";
    FUZZ_CHECK(d->rate() >= 4000 && d->rate() <= 384000 && d->channels() >= 1 && d->channels() <= 8 &&
                   d->frames() > 0,
               shape);
    const int64_t cap = 4 * d->frames() + 65536;  // 1 KiB of input decodes to far less
    std::vector<float> buf(512 * size_t(d->channels()));
    for (int pass = 0; pass < 2 && (pass == 0 || d->seek(0)); ++pass) {
        int64_t total = 0;
        for (size_t got; total <= cap && (got = d->read(buf.data(), 512)) > 0; total += int64_t(got))
            for (size_t i = 0; format == audio::Format::Mp3 && i < got * size_t(d->channels()); ++i)
                FUZZ_CHECK(buf[i] >= -1.0f && buf[i] < 1.0f, shape);
        FUZZ_CHECK(total <= cap,
                   shape + ", read " + std::to_string(total) + " in pass " + std::to_string(pass));
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
