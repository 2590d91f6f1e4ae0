// Damaged score and save files, and writes cut short by a kill. Whatever a
// file holds, reading it never fails and keeps every entry that was whole;
// what is written back reads back the same; a write killed at any moment
// leaves either the old file or the new one, complete.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "platform/FolderLock.h"
#include "meta/HighScoreTable.h"
#include "meta/ItemReader.h"
#include "meta/SaveSlots.h"
#include "meta/TextFile.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

namespace {

constexpr int kKills = 1000;

// A table as a player leaves it: names with commas, quotes and blanks.
HighScoreTable playedTable() {
    HighScoreTable t = defaultHighScores();
    insertHighScore(t, "Smith, Jr.", 99000, 12);
    insertHighScore(t, "say \"hi\", then go", 61000, 8);
    insertHighScore(t, "  lead blanks", 47000, 5);
    insertHighScore(t, "", 20000, 3);
    return t;
}

// Offset just past the CR that ends line `n` (1-based) of a CR LF text.
size_t endOfLine(const std::string& text, int n) {
    size_t at = 0;
    for (int i = 0; i < n; ++i) at = text.find("\r\n", at) + 2;
    return at - 1;
}

// A number stays the same number; anything else the same text.
bool sameValue(const FileValue& a, const FileValue& b) {
    return numberValue(a) == numberValue(b) && (numberValue(a) || displayText(a) == displayText(b));
}

void expectSameEntry(const HighScoreEntry& got, const HighScoreEntry& want, const std::string& where) {
    EXPECT_EQ(got.name, want.name) << where;
    EXPECT_TRUE(sameValue(got.score, want.score)) << where << ": score " << displayText(got.score);
    EXPECT_TRUE(sameValue(got.level, want.level)) << where << ": level " << displayText(got.level);
}

// Written back and read again, the table is the same and needs no repair
// (a score kept as text is noted again, as every time it is read).
void expectStableOnRewrite(const HighScoreTable& t, const std::string& where) {
    const HighScoreRead again = parseHighScores(serializeHighScores(t));
    for (const std::string& note : again.repairs)
        EXPECT_NE(note.find("is not a number"), std::string::npos) << where << ": " << note;
    for (int i = 0; i < kHighScorePlaces; ++i)
        expectSameEntry(again.table.entries[size_t(i)], t.entries[size_t(i)], where + ", place " + std::to_string(i + 1));
}

GameState savedRun(int level, int lives) {
    GameState g;
    g.level = Int16(level);
    g.playerMaxHP = 40;
    g.playerHP = 12;
    g.attackPower = 7;
    g.playerDefense = 3;
    g.money = 123456;
    g.gunType = "Double";
    g.shotType = "Fire";
    g.score = 765432;
    g.lives = Int16(lives);
    return g;
}

bool sameRun(const GameState& a, const GameState& b) {
    return a.level == b.level && a.playerMaxHP == b.playerMaxHP && a.attackPower == b.attackPower &&
           a.playerDefense == b.playerDefense && a.money == b.money && a.gunType == b.gunType &&
           a.shotType == b.shotType && a.score == b.score && a.lives == b.lives;
}

}  // namespace

TEST(DamagedHighScoreFile, TruncatedAtEveryByteKeepsEveryWholeEntry) {
    const HighScoreTable original = playedTable();
    const std::string full = serializeHighScores(original);
    for (size_t n = 0; n <= full.size(); ++n) {
        const std::string where = "cut at byte " + std::to_string(n);
        const HighScoreRead r = parseHighScores(full.substr(0, n));
        for (int i = 0; i < kHighScorePlaces; ++i)
            if (n >= endOfLine(full, 3 * i + 3))
                expectSameEntry(r.table.entries[size_t(i)], original.entries[size_t(i)], where);
        if (n >= endOfLine(full, 30)) {
            EXPECT_TRUE(r.repairs.empty()) << where;
        }
        expectStableOnRewrite(r.table, where);
    }
    // Deleted and empty: the default table.
    for (const auto& text : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
        const HighScoreRead r = parseHighScores(text);
        EXPECT_EQ(r.repairs.size(), 1u);
        for (int i = 0; i < kHighScorePlaces; ++i)
            expectSameEntry(r.table.entries[size_t(i)], defaultHighScores().entries[size_t(i)], "default");
        EXPECT_EQ(serializeHighScores(r.table), highScoreResetText());
    }
}

TEST(DamagedHighScoreFile, RandomBytesAndHugeLinesReadAndRewriteWithoutLoss) {
    std::mt19937 rng(20261206);
    const std::string alphabet = std::string("0123456789 ,\"\r\n\tabcXYZ-.e+") + '\0' + "\xff\x80";
    for (int round = 0; round < 400; ++round) {
        std::string text(rng() % 3000, ' ');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        const HighScoreRead r = parseHighScores(text);
        const std::vector<std::string> items = readItems(text);
        for (size_t k = 0; k < std::min<size_t>(items.size(), 30); k += 3)
            EXPECT_EQ(r.table.entries[k / 3].name, items[k]) << "round " << round;
        expectStableOnRewrite(r.table, "round " + std::to_string(round));
    }

    // Huge values are cut to kMaxItemBytes; the entries after them stay whole.
    HighScoreTable big = playedTable(), want = playedTable();
    big.entries[0].name = std::string(200000, 'N') + ", and more";
    big.entries[1].name = std::string(1 << 20, '7');  // a million digits
    big.entries[2].score = std::string(400, '9');     // a number past every limit: kept as text
    want.entries[0].name = std::string(kMaxItemBytes, 'N');
    want.entries[1].name = std::string(kMaxItemBytes, '7');
    want.entries[2].score = big.entries[2].score;
    const HighScoreRead r = parseHighScores(serializeHighScores(big));
    for (int i = 0; i < kHighScorePlaces; ++i) expectSameEntry(r.table.entries[size_t(i)], want.entries[size_t(i)], "huge");
    expectStableOnRewrite(r.table, "huge lines");
}

TEST(DamagedSaveFile, TruncatedAtEveryByteKeepsEveryWholeSlot) {
    SaveSlots slots;
    saveRunToSlot(slots, 0, savedRun(3, 4), "Smith, Jr.");
    saveRunToSlot(slots, 2, savedRun(17, 1), "say \"hi\"");
    const std::string full = serializeSaveSlots(slots);
    for (size_t n = 0; n <= full.size(); ++n) {
        const std::string where = "cut at byte " + std::to_string(n);
        SaveSlots read;
        readSaveSlots(read, full.substr(0, n));
        for (int s = 0; s < kSaveSlotCount; ++s) {
            slotCaption(read, s, CaptionMoment::Opening);
            GameState want, got;
            std::string wantName, gotName;
            const bool saved = !loadRunFromSlot(slots, s, want, wantName);
            const auto error = loadRunFromSlot(read, s, got, gotName);
            if (saved && n >= endOfLine(full, 10 * s + 10)) {
                ASSERT_FALSE(error) << where << ", slot " << s + 1 << ": " << error->message();
                EXPECT_TRUE(sameRun(got, want)) << where << ", slot " << s + 1;
                EXPECT_EQ(gotName, wantName) << where;
            }
        }
        // Whatever was read is written back whole: 30 lines.
        EXPECT_EQ(readItems(serializeSaveSlots(read)).size(), 30u) << where;
    }
}

TEST(KilledWrite, LeavesTheOldOrTheNewFileWholeEveryTime) {
    const test::ScratchFolder dir("vrh_killed_write");
    const auto scores = dir / kHighScoreFileName;
    const auto saves = dir / kSaveFileName;

    // Two versions of each file, the second much longer than the first.
    HighScoreTable before = playedTable(), after = playedTable();
    after.entries[4].name = std::string(50000, 'Q');
    SaveSlots slotsBefore, slotsAfter;
    saveRunToSlot(slotsBefore, 1, savedRun(2, 5), "Ann");
    saveRunToSlot(slotsAfter, 1, savedRun(9, 2), std::string(50000, 'B'));
    const std::string scoreTexts[2] = {serializeHighScores(before), serializeHighScores(after)};
    const std::string saveTexts[2] = {serializeSaveSlots(slotsBefore), serializeSaveSlots(slotsAfter)};
    ASSERT_TRUE(writeTextFileAtomic(scores, scoreTexts[0]));
    ASSERT_TRUE(writeTextFileAtomic(saves, saveTexts[0]));

    std::mt19937 rng(7);
    int survived = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {  // writes the two files over and over, as the game does, until killed
            for (unsigned i = 0;; ++i) {
                const FolderLock lock(dir);
                writeTextFileAtomic(scores, scoreTexts[i % 2]);
                writeTextFileAtomic(saves, saveTexts[(i / 2) % 2]);
            }
        }
        ::usleep(useconds_t(100 + rng() % 1500));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const auto s = readTextFile(scores), v = readTextFile(saves);
        ASSERT_TRUE(s && (*s == scoreTexts[0] || *s == scoreTexts[1])) << "kill " << kill << ": half a score file";
        ASSERT_TRUE(v && (*v == saveTexts[0] || *v == saveTexts[1])) << "kill " << kill << ": half a save file";
        ++survived;
    }
    EXPECT_EQ(survived, kKills);
    // A temporary file left by a kill does not stand in the way of the next
    // write, and the next start clears them away.
    EXPECT_TRUE(writeTextFileAtomic(scores, scoreTexts[1]));
    EXPECT_EQ(readTextFile(scores), scoreTexts[1]);
    removeLeftoverTemporaryFiles(dir);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 3)
        << "the two files and the lock";
}

// Guards two copies of the game losing each other's entries, or one of them
// failing because the other holds the folder.
TEST(TwoCopies, TakeTurnsAndLoseNoEntry) {
    const test::ScratchFolder dir("vrh_two_copies");
    const auto scores = dir / kHighScoreFileName;
    constexpr int kEntriesEach = 40;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            bool allWritten = true;
            for (int i = 0; i < kEntriesEach; ++i) {  // what the score window does at each opening
                const FolderLock lock(dir);
                HighScoreTable t = readHighScoreFile(scores).table;
                insertHighScore(t, "copy" + std::to_string(c), 60000 + 100 * i + c, 1);
                allWritten = writeTextFileAtomic(scores, serializeHighScores(t)) && allWritten;
            }
            ::_exit(allWritten ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
    }
    const HighScoreTable t = readHighScoreFile(scores).table;
    for (int i = 0; i < kHighScorePlaces; ++i)  // the ten best of all eighty entries, in order
        EXPECT_EQ(rankValue(t.entries[size_t(i)].score), 60000 + 100 * (kEntriesEach - 1 - i / 2) + 1 - i % 2);
}
