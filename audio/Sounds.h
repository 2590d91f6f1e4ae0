#pragma once
// The program's nineteen players, one per media file. They live as long as
// the program (created with it; opened and closed by the windows).
#include <array>
#include <memory>

#include "audio/Sound.h"

namespace vrh {

struct Sounds {
    explicit Sounds(AudioOutput& d)
        : sndPlayerShot(d), sndExplosion(d), sndEnemyShot(d), sndLevelUp(d), sndTankShot(d),
          sndMenuMove(d), sndHighScore(d), sndTitle1(d), sndTitle2(d),
          sndBgm{{Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d)}} {}

    Sound sndPlayerShot, sndExplosion, sndEnemyShot, sndLevelUp, sndTankShot;
    Sound sndMenuMove, sndHighScore, sndTitle1, sndTitle2;
    std::array<Sound, 11> sndBgm;  // sndBgm[1] .. sndBgm[10]; [0] unused
};

}  // namespace vrh
