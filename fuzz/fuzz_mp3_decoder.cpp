// The MP3 reader (libmpg123 over bytes in memory); seeds: the test tone's first frames, cut by
// fuzz/make_audio_seeds.py. Properties: see fuzz/DecoderProperties.h.
#include "fuzz/DecoderProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vrh::fuzz::checkDecoder(vrh::audio::Format::Mp3, data, size);
    return 0;
}
