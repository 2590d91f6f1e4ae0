#pragma once
// The program's media-control device: decodes MP3 (libmpg123) and WAV
// (libsndfile) and mixes every playing file through SDL2 audio.
#include <memory>

#include "platform/Mci.h"

namespace vrh {

enum class AudioOutput {
    Automatic,  // the sound card; SDL's silent "dummy" driver when there is none
    WallClock,  // no SDL at all: a thread consumes the audio in real time
};

std::unique_ptr<MciDevice> makeAudioDevice(AudioOutput output = AudioOutput::Automatic);

}  // namespace vrh
