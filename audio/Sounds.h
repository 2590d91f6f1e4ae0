#pragma once
// The program's nineteen players, one per media file. They live as long as
// the program (created with it; opened and closed by the windows).
#include <array>
#include <memory>

#include "audio/MediaTable.h"
#include "audio/Sound.h"

namespace vrh {

struct Sounds {
    explicit Sounds(AudioOutput& d)
        : playerShotSound(d), explosionSound(d), enemyShotSound(d), levelUpSound(d), tankShotSound(d),
          menuMoveSound(d), highScoreSound(d), titleOpeningSound(d),
          titleLoopSound(d), music{{Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d), Sound(d),
                                    Sound(d), Sound(d), Sound(d), Sound(d)}} {}

    Sound playerShotSound, explosionSound, enemyShotSound, levelUpSound, tankShotSound;
    Sound menuMoveSound, highScoreSound, titleOpeningSound, titleLoopSound;
    std::array<Sound, 11> music;  // music[1] .. music[10]; [0] unused

    // The game window's sounds: the ten tracks, then the effects of play.
    void openGameSounds(const MediaPaths& p) {
        for (int i = 1; i <= 10; ++i) music[i].open(p.fileBgm[i]);
        explosionSound.open(p.fileExplosion);
        playerShotSound.open(p.filePlayerShot);
        tankShotSound.open(p.fileTankShot);
        enemyShotSound.open(p.fileEnemyShot);
        levelUpSound.open(p.fileLevelUp);
        menuMoveSound.open(p.fileMenuMove);
    }
    // The menu blip stays open: the title menu goes on using it.
    void closeGameSounds() {
        for (Sound* s : {&explosionSound, &playerShotSound, &tankShotSound, &enemyShotSound, &levelUpSound})
            s->close();
        for (int i = 1; i <= 10; ++i) music[i].close();
    }
};

}  // namespace vrh
