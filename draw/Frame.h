#pragma once
// A composed frame as a list of drawing operations, in order. The rules fill
// it during the tick; the window's renderer carries it out on its canvas.
#include <cstdint>
#include <vector>

#include "draw/Sprites.h"

namespace vrh {

struct DrawOp {
    enum Kind : uint8_t {
        Copy,    // plain copy of the picture (background tiles)
        Masked,  // mask with AND, then picture with OR, same rectangle
    };
    Kind kind;
    SpriteRef picture;
    SpriteRef mask;  // used by Masked only
    int16_t x, y, w, h;
};

struct Frame {
    std::vector<DrawOp> ops;
    void clear() { ops.clear(); }
    void copy(SpriteRef pic, int x, int y, int w, int h) {
        ops.push_back({DrawOp::Copy, pic, pic, int16_t(x), int16_t(y), int16_t(w), int16_t(h)});
    }
    void masked(SpriteRef mask, SpriteRef pic, int x, int y, int w, int h) {
        ops.push_back({DrawOp::Masked, pic, mask, int16_t(x), int16_t(y), int16_t(w), int16_t(h)});
    }
};

}  // namespace vrh
