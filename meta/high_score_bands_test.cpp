#include <gtest/gtest.h>

#include <algorithm>

#include "meta/HighScoreBands.h"

using namespace vrh;

namespace {

// Every x of the band's tiles, in the order they were placed.
std::vector<int64_t> allTiles(const ScrollBand& b) {
    std::vector<int64_t> xs;
    for (int i = 0; i < b.tileCount(); ++i) xs.push_back(b.tileX(i));
    return xs;
}

// True when the visible tiles cover the whole view width.
bool covers(const ScrollBand& b) {
    std::vector<int> xs = b.visibleTiles();
    std::sort(xs.begin(), xs.end());
    int reached = 0;
    for (int x : xs) {
        if (x > reached) return false;
        reached = std::max(reached, x + HighScoreBands::kTileW);
    }
    return reached >= HighScoreBands::kViewW;
}

}  // namespace

// Guards the bands' directions and speeds, and when and where a new tile is appended.
TEST(HighScoreBands, OuterBandsMoveLeftMiddleBandRightAndTilesAreAppendedAtZero) {
    HighScoreBands b;
    b.tick();
    EXPECT_EQ(allTiles(b.band1), (std::vector<int64_t>{-248, 232}));
    EXPECT_EQ(allTiles(b.band2), (std::vector<int64_t>{-240, 240}));
    EXPECT_EQ(allTiles(b.band3), (std::vector<int64_t>{-248, 232}));
    for (int i = 1; i < 58; ++i) b.tick();
    EXPECT_EQ(b.band1.tileCount(), 2);
    b.tick();  // 59: band 1's tile at 236 reaches 0
    EXPECT_EQ(allTiles(b.band1), (std::vector<int64_t>{-480, 0, 480}));
    EXPECT_EQ(b.band2.tileCount(), 2);
    b.tick();
    b.tick();  // 61: band 2's tile at -244 reaches 0 and brings one at -480
    EXPECT_EQ(allTiles(b.band2), (std::vector<int64_t>{0, 480, -480}));
}

// Guards appending on a step that jumps over 0 instead of landing on it.
TEST(HighScoreBands, AStepThatMissesZeroNeverAppends) {
    ScrollBand band(0, -3, 480, {-244, 236}, 328, 484);  // 236 is no multiple of 3
    for (int i = 0; i < 1000; ++i) band.tick();
    EXPECT_EQ(band.tileCount(), 2);
}

// Guards per-tick work growing with the kept tiles, and gaps in the view.
TEST(HighScoreBands, AnHourOldBandDoesNoMoreWorkPerTickAndStaysCovered) {
    HighScoreBands b;
    for (int i = 0; i < 36000; ++i) {
        b.tick();
        for (const ScrollBand* band : {&b.band1, &b.band2, &b.band3}) {
            ASSERT_LE(band->liveCount(), 3) << "tick " << i;
            ASSERT_TRUE(covers(*band)) << "tick " << i;
        }
    }
    EXPECT_EQ(b.band1.tileCount(), 2 + 1 + (36000 - 59) / 120) << "tiles are never taken out";
    EXPECT_EQ(b.band1.tileX(0), -244 - 4 * 36000);
}
