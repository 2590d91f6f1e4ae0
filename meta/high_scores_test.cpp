// The high-score table, its file, and the window's scrolling bands.
#include <gtest/gtest.h>

#include <string>

#include "meta/HighScoreBands.h"
#include "meta/HighScoreTable.h"
#include "meta/ItemReader.h"
#include "tests/support/TestData.h"

using namespace vrh;

// The default table as the reset writes it, typed out by hand.
const std::string kResetText =
    "Brisko\r\n50000\r\n100\r\nTolm\r\n45000\r\n90\r\nPell\r\n40000\r\n80\r\nSudrane\r\n35000\r\n70\r\n"
    "Kovit\r\n30000\r\n60\r\nQuillon\r\n25000\r\n50\r\nInc.\r\n20000\r\n40\r\nZarvik\r\n15000\r\n30\r\n"
    "Inc.\r\n10000\r\n20\r\nEnjoy!\r\n5000\r\n10\r\n";

// kResetText from the entry of `from` on, up to the entry of `to`.
static std::string resetText(const char* from, const char* to = "") {
    const size_t start = kResetText.find(from);
    return kResetText.substr(start, *to ? kResetText.find(to) - start : std::string::npos);
}

// Guards the reset file, the table without a file, the insert position (above the first entry beaten,
// below equal ones), entries moving down, new numbers' blanks, scores compared as numbers, the pulsing row.
TEST(HighScores, ResetTableAndARunGoingAboveTheFirstEntryItBeats) {
    EXPECT_EQ(highScoreResetText(), kResetText);
    EXPECT_EQ(serializeHighScores(parseHighScores(std::nullopt).table), kResetText) << "no file";
    EXPECT_TRUE(parseHighScores(kResetText).repairs.empty());
    HighScoreTable t = parseHighScores(kResetText).table;
    EXPECT_EQ(insertHighScore(t, "Anna", 47000, 9), 1);
    EXPECT_EQ(serializeHighScores(t),
              "Brisko\r\n50000\r\n100\r\nAnna\r\n 47000 \r\n 9 \r\n" + resetText("Tolm", "Enjoy!"));
    EXPECT_EQ(rowText(t, 1).score, "47000");
    EXPECT_EQ(insertHighScore(t, "Bo", 45000, 4), 3) << "below the 45000 already there";
    EXPECT_EQ(topmostRowWithScore(t, 45000), 2);
    EXPECT_FALSE(insertHighScore(t, "Low", 9, 1)) << "9 is less than 10000, though not as text";
    EXPECT_EQ(insertHighScore(t, "High", 100000, 1), 0);
    HighScoreTable back = parseHighScores(serializeHighScores(t)).table;  // " 100000 " read back
    EXPECT_EQ(insertHighScore(back, "Mid", 99999, 1), 1);
    HighScoreTable d = defaultHighScores();
    EXPECT_FALSE(insertHighScore(d, "Anna", 5000, 2)) << "level with the last place: below it, so out";
    EXPECT_EQ(serializeHighScores(d), kResetText);
    EXPECT_FALSE(topmostRowWithScore(d, 4000));
}

// Guards the repairs: text where a number belongs ranks as 0 but is kept, a short file keeps its items
// (0 for what an entry lacks) and takes the rest from the default, items past the thirtieth are dropped.
TEST(HighScores, DamagedFilesAreRepaired) {
    HighScoreRead r = parseHighScores(std::string("Bob\r\nlots\r\nfive\r\nCy\r\n-50\r\n1\r\n"));
    EXPECT_EQ(r.repairs.size(), 2u);
    for (double score : {0.0, -10.0})
        EXPECT_FALSE(insertHighScore(r.table, "Neg", score, 1)) << score << ": not even above -50";
    EXPECT_EQ(insertHighScore(r.table, "Anna", 1, 1), 0) << "1 beats a score that ranks as 0";
    EXPECT_EQ(
        serializeHighScores(r.table),
        "Anna\r\n 1 \r\n 1 \r\nBob\r\nlots\r\nfive\r\nCy\r\n-50\r\n1\r\n" + resetText("Pell", "Enjoy!"));
    r = parseHighScores(test::fixture("vrhhs_7items.txt"));
    EXPECT_EQ(r.repairs.size(), 2u) << "place 3 cut short, places 4 to 10 filled";
    EXPECT_EQ(serializeHighScores(r.table),
              "Ann\r\n60000\r\n120\r\nBen\r\n55000 \r\n110 \r\nCid\r\n0\r\n0\r\n" + resetText("Sudrane"));
    r = parseHighScores(test::fixture("vrhhs_45items.txt"));
    EXPECT_EQ(r.repairs.size(), 1u);
    EXPECT_EQ(r.table.entries[9].name + " " + displayText(r.table.entries[9].score), "P10 81000");
    EXPECT_EQ(readItems(serializeHighScores(r.table)).size(), 30u);
}

// Guards the bands' directions and speeds, new tiles at x 0, per-tick work growing, and gaps in the view.
TEST(HighScoreBands, OuterBandsMoveLeftMiddleBandRightAndTilesAreAppendedAtZero) {
    HighScoreBands b;
    constexpr int kW = HighScoreBands::kTileW;
    std::string got;  // every tile's x, in the order placed, band by band
    for (int tick = 1; tick <= 36000; ++tick) {
        b.tick();
        for (const ScrollBand* band : {&b.band1, &b.band2, &b.band3}) {
            ASSERT_LE(band->liveCount(), 3) << "tick " << tick;
            const std::vector<int> xs = band->visibleTiles();  // left to right, no gap, the whole view
            for (size_t k = 0; k < xs.size(); ++k)
                ASSERT_LE(xs[k], k ? xs[k - 1] + kW : 0) << "tick " << tick;
            ASSERT_TRUE(!xs.empty() && xs.back() + kW >= HighScoreBands::kViewW) << "tick " << tick;
            if (tick != 1 && tick != 58 && tick != 59 && tick != 61) continue;
            for (int i = 0; i < band->tileCount(); ++i) got += " " + std::to_string(band->tileX(i));
            got += band == &b.band3 ? " | " : "";
        }
    }
    EXPECT_EQ(got,
              " -248 232 -240 240 -248 232 |  -476 4 -12 468 -476 4 |  -480 0 480 -8 472 -480 0 480 | "
              " -488 -8 472 0 480 -480 -488 -8 472 | ");
    EXPECT_EQ(b.band1.tileCount(), 2 + 1 + (36000 - 59) / 120) << "tiles are never taken out";
    EXPECT_EQ(b.band1.tileX(0), -244 - 4 * 36000);
    ScrollBand odd(0, -3, 480, {-244, 236}, 328, 484);  // 236 is no multiple of 3: never lands on 0
    for (int i = 0; i < 1000; ++i) odd.tick();
    EXPECT_EQ(odd.tileCount(), 2);
}
