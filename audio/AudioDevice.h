#pragma once
// The program's audio device: decodes MP3 (libmpg123) and WAV (libsndfile)
// and mixes every playing file through SDL2 audio.
#include <memory>

#include "platform/AudioOutput.h"

namespace vrh {

enum class AudioBackend {
    Automatic,  // the sound card; SDL's silent "dummy" driver when there is none
    WallClock,  // no SDL at all: a thread consumes the audio in real time
};

std::unique_ptr<AudioOutput> makeAudioDevice(AudioBackend backend = AudioBackend::Automatic);

}  // namespace vrh
