// The MP3 reader (libmpg123 over bytes in memory) and a track over it, on
// arbitrary bytes. Properties: see fuzz/DecoderProperties.h. Seeds: the first
// frames of the test tone, cut by fuzz/make_audio_seeds.py.
#include <cstddef>
#include <cstdint>

#include "fuzz/DecoderProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vrh::fuzz::checkDecoder(vrh::audio::Format::Mp3, data, size);
    return 0;
}
