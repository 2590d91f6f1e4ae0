#pragma once
// The program's nineteen players, one per media file. They live as long as
// the program (created with it; opened and closed by the windows).
#include <array>
#include <memory>

#include "audio/Sound.h"

namespace vrh {

struct Sounds {
    explicit Sounds(AudioOutput& d)
        : playerShotSound(d), explosionSound(d), enemyShotSound(d), levelUpSound(d), tankShotSound(d),
          menuMoveSound(d), highScoreSound(d), titleOpeningSound(d), titleLoopSound(d),
          music{{Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d)}} {}

    Sound playerShotSound, explosionSound, enemyShotSound, levelUpSound, tankShotSound;
    Sound menuMoveSound, highScoreSound, titleOpeningSound, titleLoopSound;
    std::array<Sound, 11> music;  // music[1] .. music[10]; [0] unused
};

}  // namespace vrh
