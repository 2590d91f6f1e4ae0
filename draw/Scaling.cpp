#include "draw/Scaling.h"

#include <algorithm>

namespace vrh {

int wholeScaleFactor(int srcW, int srcH, int cw, int ch) {
    if (srcW <= 0 || srcH <= 0 || cw <= 0 || ch <= 0) return 0;
    return std::min(cw / srcW, ch / srcH);
}

PixelRect presentRect(ScaleMode mode, int srcW, int srcH, int cw, int ch) {
    const PixelRect whole{0, 0, std::max(cw, 0), std::max(ch, 0)};
    if (mode == ScaleMode::Stretch) return whole;
    const int f = wholeScaleFactor(srcW, srcH, cw, ch);
    if (f < 1) return whole;  // does not fit unscaled: stretch (see the header)
    const int w = srcW * f;
    const int h = srcH * f;
    return {(cw - w) / 2, (ch - h) / 2, w, h};
}

}  // namespace vrh
