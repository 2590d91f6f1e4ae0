#include "draw/NearestScaler.h"

#include <algorithm>
#include <cstring>

namespace vrh {

namespace {

// Output index -> source index for one axis: a 16.16 step of src/out per
// output pixel, starting half a step in (the centre of the first step).
std::vector<int> sourceIndices(int src, int out) {
    std::vector<int> index(size_t(std::max(out, 0)));
    if (src <= 0 || out <= 0) return index;
    const auto step = uint32_t(65536.0 / (double(out) / src));
    uint32_t pos = step / 2;
    for (int& i : index) {
        i = std::min(int(pos >> 16), src - 1);
        pos += step;
    }
    return index;
}

}  // namespace

void NearestScaler::resize(int srcW, int srcH, int outW, int outH) {
    if (srcW == srcW_ && srcH == srcH_ && size_t(outW) == srcX_.size() && size_t(outH) == srcY_.size())
        return;
    srcW_ = srcW;
    srcH_ = srcH;
    srcX_ = sourceIndices(srcW, outW);
    srcY_ = sourceIndices(srcH, outH);
}

void NearestScaler::scale(const uint32_t* src, ptrdiff_t srcStride, uint32_t* out, ptrdiff_t outStride,
                          Area a) const {
    a.x0 = std::max(a.x0, 0);
    a.y0 = std::max(a.y0, 0);
    a.x1 = std::min(a.x1, int(srcX_.size()));
    a.y1 = std::min(a.y1, int(srcY_.size()));
    if (a.x0 >= a.x1 || a.y0 >= a.y1) return;
    const int* column = srcX_.data();
    const size_t rowBytes = size_t(a.x1 - a.x0) * sizeof(uint32_t);
    const uint32_t* computed = nullptr;  // the last row built from its source row
    int computedFrom = -1;
    for (int y = a.y0; y < a.y1; ++y) {
        uint32_t* row = out + y * outStride + a.x0;
        const int sy = srcY_[size_t(y)];
        if (sy == computedFrom) {  // a repeat: copy the row already built
            std::memcpy(row, computed, rowBytes);
            continue;
        }
        const uint32_t* from = src + sy * srcStride;
        for (int x = a.x0; x < a.x1; ++x) row[x - a.x0] = from[column[x]];
        computed = row;
        computedFrom = sy;
    }
}

}  // namespace vrh
