// The high-score table and its scrolling bands; the save file (the picker: windows/save_slots_window_test).
#include <gtest/gtest.h>

#include "meta/HighScoreBands.h"
#include "meta/HighScoreTable.h"
#include "meta/ItemReader.h"
#include "meta/SaveSlots.h"
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
// below equal ones), entries moving down, new numbers' blanks, scores compared as numbers, the pulsing row;
// the repairs: text where a number belongs ranks as 0 but is kept, a short file keeps its items (0 for what
// an entry lacks) and takes the rest from the default, items past the thirtieth are dropped.
TEST(HighScores, ResetTableInsertsAndRepairs) {
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

static SaveSlots read(const std::optional<std::string>& text) {
    SaveSlots slots;
    readSaveSlots(slots, text);
    return slots;
}

// Guards the field order, line ends, number form, rounding (ties to even), saturation, full HP on loading, no
// half-loaded run; a missing file created, the captions, fields the file misses wiped, items past 30 dropped.
TEST(SaveSlots, TheTenFieldsInOrderReadAndWritten) {
    GameState run;  // level 1, HP 5, attack 1, defence 0, score 0, lives 5
    run.money = 1500, run.gunType = "Ninja";
    SaveSlots slots;
    saveRunToSlot(slots, 1, run, "Smith, Jr.");
    const std::string
        none = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n",
        saved = "\"Smith, Jr.\"\r\n 1 \r\n 5 \r\n 1 \r\n 0 \r\n 1500 \r\nNinja\r\nRegular\r\n 0 \r\n 5 \r\n";
    EXPECT_EQ(serializeSaveSlots(slots), none + saved + none);
    std::string name;
    ASSERT_FALSE(loadRunFromSlot(
        read(",,,,,,,,,\r\nN,2.5,3.5,-2.5,99999,3000000000,Psychic,Giga,-1e12,0.5\r\n"), 1, run, name));
    EXPECT_EQ(name + " " + run.gunType + " " + run.shotType, "N Psychic Giga");
    EXPECT_EQ(std::vector<int64_t>({run.level, run.playerMaxHP, run.playerHP, run.attackPower,
                                    run.playerDefense, run.lives, run.money, run.score}),
              std::vector<int64_t>({2, 4, 4, -2, 32767, 0, 2147483647, -2147483648LL}));
    const auto error =
        loadRunFromSlot(read("M, 3 , 5 , 1 , 0 ,lots,Regular,Regular, 10 , 5 \r\n"), 0, run, name);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "This file cannot be loaded: its money \"lots\" is not a number.");
    EXPECT_EQ(std::pair(int(run.level), name), std::pair(2, std::string("N"))) << "nothing is restored";
    EXPECT_EQ(loadRunFromSlot(read("N\r\n 3 \r\n"), 0, run, name)->field, SaveField::MaxHP);
    slots = {};
    EXPECT_TRUE(readSaveSlots(slots, std::nullopt).createEmptyFile && isNewFile(slots, 2));
    EXPECT_FALSE(readSaveSlots(slots, std::string()).createEmptyFile) << "an empty file is there";
    slots = read(",,,,,,,,,\r\nX");
    using enum CaptionMoment;
    EXPECT_EQ(slotCaption(slots, 0, Opening) + "|" + slotCaption(slots, 1, Opening) + "|" +
                  slotCaption(slots, 1, AfterQuestion),
              std::string(kNewFileCaption) + "|Name:X|Name: X");
    readSaveSlots(slots, "Bert\r\n 8 \r\n");
    EXPECT_EQ(displayText(slots.at(0, SaveField::Name)) + displayText(slots.at(0, SaveField::Level)) +
                  displayText(slots.at(1, SaveField::Name)),
              "Bert8 X")
        << "slot 2 kept from before";
    std::string text;
    for (int i = 1; i <= 45; ++i) text += std::to_string(i) + "\r\n";
    EXPECT_EQ(readSaveSlots(slots, text).notes.size(), 1u);
    EXPECT_EQ(displayText(slots.at(2, SaveField::Lives)), "30");
    EXPECT_EQ(readItems(serializeSaveSlots(slots)).size(), 30u);
}
