#pragma once
// The program's media-control device: decodes MP3 (libmpg123) and WAV
// (libsndfile) and mixes every playing file through SDL2 audio.
#include <memory>

#include "platform/Mci.h"

namespace vrh {
std::unique_ptr<MciDevice> makeAudioDevice();
}
