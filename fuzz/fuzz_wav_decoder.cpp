// The WAVE reader (libsndfile over bytes in memory); seeds: 20 ms files by fuzz/make_audio_seeds.py.
// Properties: see fuzz/DecoderProperties.h.
#include "fuzz/DecoderProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vrh::fuzz::checkDecoder(vrh::audio::Format::Wave, data, size);
    return 0;
}
