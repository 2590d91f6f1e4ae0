#pragma once
// Every picture of the sprite catalogue, loaded once from the embedded PNGs
// as Format_RGB32 images. A picture that is missing loads as black (and a
// missing mask as white), so nothing is drawn for it and nothing crashes.
#include <QImage>

#include <vector>

#include "draw/Sprites.h"

namespace vrh {

class SpriteSheet {
public:
    SpriteSheet();  // loads ":/sprites/..."
    const QImage& image(SpriteRef r) const;
    const QImage& image(Pic p, int frame = 0) const { return image(SpriteRef{p, uint8_t(frame)}); }
    // The shared instance (loaded on first use).
    static const SpriteSheet& instance();
    // Puts another image in the place of one picture (tests, tools).
    void replace(SpriteRef r, const QImage& image);
    // Masks: the pictures whose name ends in "mask" and the shot masks
    // named with a trailing "m" (imgnsrm ..); a missing mask loads white.
    static bool isMask(Pic p);

private:
    std::vector<std::vector<QImage>> images_;  // [pic][frame]
};

}  // namespace vrh
