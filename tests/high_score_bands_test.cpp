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
bool covers(const ScrollBand& b, int viewW, int tileW) {
    std::vector<int> xs = b.visibleTiles();
    std::sort(xs.begin(), xs.end());
    int reached = 0;
    for (int x : xs) {
        if (x > reached) return false;
        reached = std::max(reached, x + tileW);
    }
    return reached >= viewW;
}
}  // namespace

TEST(HighScoreBands, StartWithTwoTilesAtTheirPlaces) {
    HighScoreBands b;
    EXPECT_EQ(b.band1.y(), 0);
    EXPECT_EQ(b.band2.y(), 156);
    EXPECT_EQ(b.band3.y(), 315);
    for (const ScrollBand* band : {&b.band1, &b.band2, &b.band3})
        EXPECT_EQ(allTiles(*band), (std::vector<int64_t>{-244, 236}));
}

TEST(HighScoreBands, OuterBandsMoveLeftMiddleBandRight) {
    HighScoreBands b;
    b.tick();
    EXPECT_EQ(allTiles(b.band1), (std::vector<int64_t>{-248, 232}));
    EXPECT_EQ(allTiles(b.band2), (std::vector<int64_t>{-240, 240}));
    EXPECT_EQ(allTiles(b.band3), (std::vector<int64_t>{-248, 232}));
}

TEST(HighScoreBands, TileReachingZeroAppendsOneAtTheRestartPosition) {
    HighScoreBands b;
    // Band 1: the tile at 236 reaches 0 on tick 59.
    for (int i = 0; i < 58; ++i) b.tick();
    EXPECT_EQ(b.band1.tileCount(), 2);
    b.tick();
    ASSERT_EQ(b.band1.tileCount(), 3);
    EXPECT_EQ(b.band1.tileX(1), 0);
    EXPECT_EQ(b.band1.tileX(2), 480);
    // Band 2: the tile at -244 reaches 0 on tick 61 and brings one at -480.
    EXPECT_EQ(b.band2.tileCount(), 2);
    b.tick();
    b.tick();
    ASSERT_EQ(b.band2.tileCount(), 3);
    EXPECT_EQ(b.band2.tileX(0), 0);
    EXPECT_EQ(b.band2.tileX(2), -480);
}

TEST(HighScoreBands, AStepThatMissesZeroNeverAppends) {
    ScrollBand band(0, -3, 480, {-244, 236}, 328, 484);  // 236 is no multiple of 3
    for (int i = 0; i < 1000; ++i) band.tick();
    EXPECT_EQ(band.tileCount(), 2);
}

TEST(HighScoreBands, AnHourOldBandDoesNoMoreWorkPerTickAndStaysCovered) {
    HighScoreBands b;
    for (int i = 0; i < 36000; ++i) {
        b.tick();
        for (const ScrollBand* band : {&b.band1, &b.band2, &b.band3}) {
            ASSERT_LE(band->liveCount(), 3) << "tick " << i;
            ASSERT_TRUE(covers(*band, HighScoreBands::kViewW, HighScoreBands::kTileW)) << "tick " << i;
        }
    }
    // Tiles are never taken out: the band keeps every tile it ever placed.
    EXPECT_EQ(b.band1.tileCount(), 2 + 1 + (36000 - 59) / 120);
    EXPECT_EQ(b.band1.tileX(0), -244 - 4 * 36000);
}

TEST(HighScoreBands, VisibleTilesAreOnlyThoseOverlappingTheView) {
    HighScoreBands b;
    EXPECT_EQ(b.band1.visibleTiles(), (std::vector<int>{-244, 236}));
    // After 61 ticks band 1 holds -488 (wholly left of the view), -8 and 472
    // (not in the view yet): only -8 is drawn, and -488 is no longer looked at.
    for (int i = 0; i < 61; ++i) b.tick();
    EXPECT_EQ(allTiles(b.band1), (std::vector<int64_t>{-488, -8, 472}));
    EXPECT_EQ(b.band1.visibleTiles(), (std::vector<int>{-8}));
    EXPECT_EQ(b.band1.liveCount(), 2);
}
