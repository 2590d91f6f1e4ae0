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

// kResetText from the entry starting with `name` on.
std::string resetFrom(const char* name) { return kResetText.substr(kResetText.find(name)); }

}  // namespace

// Guards the reset file's bytes and that read values are written back unchanged.
TEST(HighScoreReset, WritesTheDefaultTableByteForByte) {
    EXPECT_EQ(highScoreResetText(), kResetText);
    HighScoreRead r = parseHighScores(kResetText);
    EXPECT_TRUE(r.repairs.empty());
    EXPECT_EQ(serializeHighScores(r.table), kResetText);
}

// Guards the insert position, the dropped last place and the blanks around new numbers.
TEST(HighScoreInsert, RunOf47000OnLevel9TakesPlace2) {
    HighScoreTable t = parseHighScores(kResetText).table;
    EXPECT_EQ(insertHighScore(t, "Anna", 47000, 9), 1);
    const std::string tolmToInc = resetFrom("Tolm").substr(0, resetFrom("Tolm").find("Enjoy!"));
    EXPECT_EQ(serializeHighScores(t), "Brisko\r\n50000\r\n100\r\nAnna\r\n 47000 \r\n 9 \r\n" + tolmToInc);
    EXPECT_EQ(rowText(t, 1).score, "47000") << "a just-inserted number is shown without blanks";
    EXPECT_EQ(topmostRowWithScore(t, 47000), 1);
}

// Guards equal scores going above an equal entry, and more than the topmost equal row pulsing.
TEST(HighScoreInsert, EqualScoresGoBelow) {
    HighScoreTable t = defaultHighScores();
    EXPECT_EQ(insertHighScore(t, "Anna", 45000, 3), 2);
    EXPECT_EQ(insertHighScore(t, "Bo", 45000, 4), 3) << "below every 45000 already there";
    EXPECT_EQ(topmostRowWithScore(t, 45000), 1);
}

// Guards scores at or below the last place (or negative) changing the table, and the last-place pulse.
TEST(HighScoreInsert, ScoresThatDoNotGetIn) {
    for (double score : {4000.0, 5000.0, 0.0, -10.0}) {
        HighScoreTable t = defaultHighScores();
        EXPECT_FALSE(insertHighScore(t, "Anna", score, 2).has_value()) << score;
        EXPECT_EQ(serializeHighScores(t), kResetText) << score;
    }
    EXPECT_EQ(topmostRowWithScore(defaultHighScores(), 5000), 9);
    EXPECT_FALSE(topmostRowWithScore(defaultHighScores(), 4000).has_value());
}

// Guards comparing scores as text ("9" > "10000"), also after a read-back with blanks.
TEST(HighScoreInsert, ScoresCompareAsNumbersNotText) {
    HighScoreTable t = parseHighScores(kResetText).table;
    EXPECT_FALSE(insertHighScore(t, "Low", 9, 1).has_value());
    EXPECT_EQ(insertHighScore(t, "High", 100000, 1), 0);
    HighScoreRead back = parseHighScores(serializeHighScores(t));
    EXPECT_TRUE(back.repairs.empty());
    EXPECT_EQ(insertHighScore(back.table, "Mid", 99999, 1), 1);
    EXPECT_EQ(topmostRowWithScore(back.table, 100000), 0);
}

// Guards a short file losing its items or not being filled from the default.
TEST(HighScoreRepair, ShortFileKeepsItsItemsAndTakesTheRestFromTheDefault) {
    HighScoreRead r = parseHighScores(fixture("vrhhs_7items.txt"));
    EXPECT_EQ(r.repairs.size(), 2u) << "place 3 cut short, places 4 to 10 filled";
    EXPECT_EQ(serializeHighScores(r.table),
              "Ann\r\n60000\r\n120\r\nBen\r\n55000 \r\n110 \r\nCid\r\n0\r\n0\r\n" + resetFrom("Sudrane"));
    HighScoreRead r2 = parseHighScores(std::string("Ann\r\n60000\r\n"));  // level missing only
    EXPECT_EQ(rankValue(r2.table.entries[0].score), 60000);
    EXPECT_EQ(displayText(r2.table.entries[0].level), "0");
    EXPECT_EQ(r2.table.entries[1].name, "Tolm");
}

// Guards text in a score field: it ranks as 0 but is kept and written back as it was.
TEST(HighScoreRepair, TextWhereANumberBelongsRanksAsZeroAndIsKept) {
    HighScoreRead r = parseHighScores("Bob\r\nlots\r\nfive\r\n" + resetFrom("Tolm"));
    EXPECT_EQ(r.repairs.size(), 1u);
    EXPECT_EQ(insertHighScore(r.table, "Anna", 1, 1), 0) << "1 beats a score that ranks as 0";
    EXPECT_EQ(rowText(r.table, 1).score, "lots");
    const std::string out = serializeHighScores(r.table);
    EXPECT_TRUE(out.starts_with("Anna\r\n 1 \r\n 1 \r\nBob\r\nlots\r\nfive\r\nTolm\r\n")) << out;
}

// Guards items past the thirtieth spilling into the table or the rewrite.
TEST(HighScoreRepair, OnlyTheFirstThirtyItemsCount) {
    HighScoreRead r = parseHighScores(fixture("vrhhs_45items.txt"));
    ASSERT_EQ(r.repairs.size(), 1u);
    EXPECT_EQ(r.table.entries[9].name, "P10");
    EXPECT_EQ(rankValue(r.table.entries[9].score), 81000);
    EXPECT_EQ(readItems(serializeHighScores(r.table)).size(), 30u);
}
