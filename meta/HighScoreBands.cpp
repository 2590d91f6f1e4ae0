#include "meta/HighScoreBands.h"

#include <algorithm>

namespace vrh {

ScrollBand::ScrollBand(int y, int step, int appendX, const std::vector<int>& startX, int viewWidth,
                       int tileWidth)
    : y_(y), step_(step), appendX_(appendX), viewWidth_(viewWidth), tileWidth_(tileWidth) {
    for (int x : startX) {
        live_.push_back(int(base_.size()));
        base_.push_back(x);
    }
}

bool ScrollBand::gone(int64_t x) const {
    // Moving left, a tile is gone once it lies wholly left of the view; moving
    // right, once it lies wholly right of it. Either way it cannot reach 0 again.
    if (step_ < 0) return x + tileWidth_ <= 0;
    if (step_ > 0) return x >= viewWidth_;
    return false;
}

void ScrollBand::tick() {
    shift_ += step_;
    int reachedZero = 0;
    still_.clear();  // reused: no allocation once it has grown
    for (int i : live_) {
        const int64_t x = tileX(i);
        if (x == 0) ++reachedZero;
        if (!gone(x)) still_.push_back(i);
    }
    live_.swap(still_);
    for (int k = 0; k < reachedZero; ++k) {
        live_.push_back(int(base_.size()));
        base_.push_back(int64_t(appendX_) - shift_);
    }
}

std::vector<int> ScrollBand::visibleTiles() const {
    std::vector<int> xs;
    for (int i : live_) {
        const int64_t x = tileX(i);
        if (x < viewWidth_ && x + tileWidth_ > 0) xs.push_back(int(x));
    }
    // Left to right: each tile covers the 4-pixel black strip at the right
    // edge of its left neighbour (the band moving right appends its new tiles
    // on the left, so list order would leave a black seam).
    std::sort(xs.begin(), xs.end());
    return xs;
}

HighScoreBands::HighScoreBands()
    : band1(0, -kStep, 480, {-244, 236}, kViewW, kTileW),
      band2(156, kStep, -480, {-244, 236}, kViewW, kTileW),
      band3(315, -kStep, 480, {-244, 236}, kViewW, kTileW) {}

void HighScoreBands::tick() {
    band1.tick();
    band2.tick();
    band3.tick();
}

}  // namespace vrh
