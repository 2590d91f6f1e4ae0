#pragma once
// The scrolling background of the high-score window: three bands of tiles of
// the same picture. Every tick each tile of a band moves by the band's step;
// whenever a tile reaches x 0 exactly, a new tile is appended at the band's
// restart position. Tiles are never taken out of a band, so the count grows
// for as long as the window is open.
//
// A tile that has moved past the far edge of the view never comes back, so
// it is neither moved nor drawn again: the work per tick depends only on the
// tiles that can still be seen or still reach x 0, not on the window's age.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vrh {

class ScrollBand {
public:
    // step: pixels per tick (negative = to the left). appendX: where a new
    // tile starts. The view is [0, viewWidth); a tile is tileWidth wide.
    ScrollBand(int y, int step, int appendX, const std::vector<int>& startX, int viewWidth, int tileWidth);

    void tick();

    int y() const { return y_; }
    // Tiles placed so far (the two starting ones included).
    int tileCount() const { return int(base_.size()); }
    int64_t tileX(int i) const { return base_[size_t(i)] + shift_; }
    // x of every tile that overlaps the view, in the order they were placed.
    std::vector<int> visibleTiles() const;
    // Tiles still looked at by a tick.
    int liveCount() const { return int(live_.size()); }

private:
    bool gone(int64_t x) const;

    int y_, step_, appendX_, viewWidth_, tileWidth_;
    std::vector<int64_t> base_;  // x of tile i = base_[i] + shift_
    int64_t shift_ = 0;
    std::vector<int> live_;   // indices of tiles not yet gone, ascending
    std::vector<int> still_;  // the next live_, built during a tick
};

// The high-score window's three bands: y 0 and 315 moving left, y 156 moving
// right, 4 px per tick, tiles of 484 x 163 starting at x -244 and 236.
struct HighScoreBands {
    static constexpr int kTileW = 484, kTileH = 163, kStep = 4;
    static constexpr int kViewW = 328;

    HighScoreBands();
    void tick();

    ScrollBand band1, band2, band3;
};

}  // namespace vrh
