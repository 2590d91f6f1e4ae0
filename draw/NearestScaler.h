#pragma once
// Nearest-neighbour enlargement of a 32-bit picture over a rectangle, cheap
// enough for a 3840 x 2160 screen at every game tick: each distinct output
// row is computed once and its repeats are plain copies of it, so the cost
// is about that of copying the output once.
//
// The source pixel of an output pixel is the one the window system's own
// nearest-neighbour stretch picks (16.16 fixed point, sampled at the middle
// of each step), so a frame looks exactly as it did when stretched by Qt.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vrh {

class NearestScaler {
public:
    // An output area, in pixels of the output rectangle: [x0, x1) x [y0, y1).
    struct Area {
        int x0, y0, x1, y1;
    };

    // The source and output sizes; the lookup tables are rebuilt only when
    // they change.
    void resize(int srcW, int srcH, int outW, int outH);

    // Writes `area` of the output. `src` is the source's first pixel, `out`
    // the output rectangle's first pixel; strides are in pixels.
    void scale(const uint32_t* src, ptrdiff_t srcStride, uint32_t* out, ptrdiff_t outStride, Area area) const;

    // The source column (row) that output column (row) i shows.
    int sourceColumn(int i) const { return srcX_[size_t(i)]; }
    int sourceRow(int i) const { return srcY_[size_t(i)]; }

private:
    int srcW_ = 0, srcH_ = 0;
    std::vector<int> srcX_, srcY_;
};

}  // namespace vrh
