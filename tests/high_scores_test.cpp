#include <gtest/gtest.h>

#include <string>

#include "meta/HighScoreTable.h"
#include "meta/ItemReader.h"
#include "tests/support/TestData.h"

using namespace vrh;
using test::fixture;

namespace {

// The default table as the reset writes it, typed out by hand.
const std::string kResetText =
    "Brisko\r\n50000\r\n100\r\n"
    "Tolm\r\n45000\r\n90\r\n"
    "Pell\r\n40000\r\n80\r\n"
    "Sudrane\r\n35000\r\n70\r\n"
    "Kovit\r\n30000\r\n60\r\n"
    "Quillon\r\n25000\r\n50\r\n"
    "Inc.\r\n20000\r\n40\r\n"
    "Zarvik\r\n15000\r\n30\r\n"
    "Inc.\r\n10000\r\n20\r\n"
    "Enjoy!\r\n5000\r\n10\r\n";

std::string names(const HighScoreTable& t) {
    std::string s;
    for (const auto& e : t.entries) s += e.name + "|";
    return s;
}

HighScoreTable readBack(const HighScoreTable& t) {
    HighScoreRead r = parseHighScores(serializeHighScores(t));
    EXPECT_TRUE(r.repairs.empty());
    return r.table;
}

}  // namespace

TEST(HighScoreReset, WritesTheDefaultTableByteForByte) {
    EXPECT_EQ(highScoreResetText(), kResetText);
    HighScoreRead r = parseHighScores(kResetText);
    EXPECT_TRUE(r.repairs.empty());
    EXPECT_EQ(serializeHighScores(r.table), kResetText) << "read values are written back unchanged";
}

TEST(HighScoreInsert, RunOf47000OnLevel9TakesPlace2) {
    HighScoreTable t = parseHighScores(kResetText).table;
    EXPECT_EQ(insertHighScore(t, "Anna", 47000, 9), 1);
    EXPECT_EQ(names(t), "Brisko|Anna|Tolm|Pell|Sudrane|Kovit|Quillon|Inc.|Zarvik|Inc.|");
    EXPECT_EQ(serializeHighScores(t),
              "Brisko\r\n50000\r\n100\r\n"
              "Anna\r\n 47000 \r\n 9 \r\n"
              "Tolm\r\n45000\r\n90\r\n"
              "Pell\r\n40000\r\n80\r\n"
              "Sudrane\r\n35000\r\n70\r\n"
              "Kovit\r\n30000\r\n60\r\n"
              "Quillon\r\n25000\r\n50\r\n"
              "Inc.\r\n20000\r\n40\r\n"
              "Zarvik\r\n15000\r\n30\r\n"
              "Inc.\r\n10000\r\n20\r\n");
    EXPECT_EQ(topmostRowWithScore(t, 47000), 1);
}

TEST(HighScoreInsert, EqualScoresGoBelow) {
    HighScoreTable t = defaultHighScores();
    EXPECT_EQ(insertHighScore(t, "Anna", 45000, 3), 2);
    EXPECT_EQ(t.entries[1].name, "Tolm");
    EXPECT_EQ(t.entries[2].name, "Anna");
    EXPECT_EQ(insertHighScore(t, "Bo", 45000, 4), 3) << "below every 45000 already there";
    EXPECT_EQ(topmostRowWithScore(t, 45000), 1) << "only the topmost equal row pulses";
}

TEST(HighScoreInsert, ScoresThatDoNotGetIn) {
    for (double score : {4000.0, 5000.0, 0.0, -10.0}) {
        HighScoreTable t = defaultHighScores();
        EXPECT_FALSE(insertHighScore(t, "Anna", score, 2).has_value()) << score;
        EXPECT_EQ(serializeHighScores(t), kResetText) << score;
    }
    EXPECT_EQ(topmostRowWithScore(defaultHighScores(), 5000), 9) << "place 10 pulses for 5000";
    EXPECT_FALSE(topmostRowWithScore(defaultHighScores(), 4000).has_value());
}

TEST(HighScoreInsert, ScoresCompareAsNumbersNotText) {
    // As text "9" > "10000"; as numbers it is not.
    HighScoreTable t = parseHighScores(kResetText).table;
    EXPECT_FALSE(insertHighScore(t, "Low", 9, 1).has_value());
    EXPECT_EQ(insertHighScore(t, "High", 100000, 1), 0);
    // A score read back with its blanks still compares as a number.
    t = readBack(t);
    EXPECT_EQ(insertHighScore(t, "Mid", 99999, 1), 1);
    EXPECT_EQ(topmostRowWithScore(t, 100000), 0);
}

TEST(HighScoreInsert, InsertedEntryReadsBackAsTheSameValues) {
    HighScoreTable t = defaultHighScores();
    insertHighScore(t, "Anna", 47000, 9);
    const HighScoreTable back = readBack(t);
    const HighScoreRowText row = rowText(back, 1);
    EXPECT_EQ(row.name, "Anna");
    EXPECT_EQ(toNumber(row.score), 47000.0);
    EXPECT_EQ(toNumber(row.level), 9.0);
    EXPECT_EQ(rowText(t, 1).score, "47000") << "a just-inserted number is shown without blanks";
    EXPECT_EQ(rowText(back, 0).score, "50000");
}

TEST(HighScoreRepair, ShortFileKeepsItsItemsAndTakesTheRestFromTheDefault) {
    HighScoreRead r = parseHighScores(fixture("vrhhs_7items.txt"));
    EXPECT_EQ(r.repairs.size(), 2u) << "place 3 cut short, places 4 to 10 filled";
    EXPECT_EQ(serializeHighScores(r.table),
              "Ann\r\n60000\r\n120\r\n"
              "Ben\r\n55000 \r\n110 \r\n"
              "Cid\r\n0\r\n0\r\n"
              "Sudrane\r\n35000\r\n70\r\n"
              "Kovit\r\n30000\r\n60\r\n"
              "Quillon\r\n25000\r\n50\r\n"
              "Inc.\r\n20000\r\n40\r\n"
              "Zarvik\r\n15000\r\n30\r\n"
              "Inc.\r\n10000\r\n20\r\n"
              "Enjoy!\r\n5000\r\n10\r\n");
    // Level missing only: the score is kept.
    HighScoreRead r2 = parseHighScores(std::string("Ann\r\n60000\r\n"));
    EXPECT_EQ(rankValue(r2.table.entries[0].score), 60000);
    EXPECT_EQ(displayText(r2.table.entries[0].level), "0");
    EXPECT_EQ(r2.table.entries[1].name, "Tolm");
}

TEST(HighScoreRepair, TextWhereANumberBelongsRanksAsZeroAndIsKept) {
    const std::string text = "Bob\r\nlots\r\nfive\r\n" + kResetText.substr(kResetText.find("Tolm"));
    HighScoreRead r = parseHighScores(text);
    EXPECT_EQ(r.repairs.size(), 1u) << "the score of place 1 is not a number";
    EXPECT_EQ(insertHighScore(r.table, "Anna", 1, 1), 0) << "1 beats a score that ranks as 0";
    EXPECT_EQ(rowText(r.table, 1).score, "lots");
    const std::string out = serializeHighScores(r.table);
    EXPECT_TRUE(out.starts_with("Anna\r\n 1 \r\n 1 \r\nBob\r\nlots\r\nfive\r\nTolm\r\n")) << out;
}

TEST(HighScoreRepair, GarbageBytesSurviveUnchanged) {
    HighScoreRead r = parseHighScores(fixture("vrhhs_garbage.txt"));
    EXPECT_EQ(r.repairs.size(), 3u) << "bad score, place 2 cut short, places 3 to 10 filled";
    const HighScoreTable& t = r.table;
    EXPECT_EQ(t.entries[0].name, std::string("\0\xff\xfe" "Bob\0", 7));
    EXPECT_EQ(displayText(t.entries[0].score), "12\x80 34");
    EXPECT_EQ(displayText(t.entries[0].level), "\xc3\x28");
    EXPECT_EQ(t.entries[1].name, "Z");
    EXPECT_EQ(t.entries[2].name, "Pell");
    EXPECT_EQ(t.entries[9].name, "Enjoy!");
    const HighScoreRead again = parseHighScores(serializeHighScores(t));
    EXPECT_EQ(again.repairs.size(), 1u) << "only the score that is not a number is reported";
    EXPECT_EQ(serializeHighScores(again.table), serializeHighScores(t));
    EXPECT_EQ(again.table.entries[0].name, t.entries[0].name);
}

TEST(HighScoreRepair, OnlyTheFirstThirtyItemsCount) {
    HighScoreRead r = parseHighScores(fixture("vrhhs_45items.txt"));
    ASSERT_EQ(r.repairs.size(), 1u);
    EXPECT_EQ(r.table.entries[0].name, "P1");
    EXPECT_EQ(r.table.entries[9].name, "P10");
    EXPECT_EQ(rankValue(r.table.entries[9].score), 81000);
    EXPECT_EQ(readItems(serializeHighScores(r.table)).size(), 30u);
}
