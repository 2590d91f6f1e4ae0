// The game's files under faults: damaged contents, a full disk, whatever stands in a file's place,
// writes killed at any moment.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>

#include "meta/HighScoreTable.h"
#include "platform/FolderLock.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;

namespace {
HighScoreTable playedTable() {  // names with commas, quotes and blanks
    HighScoreTable t = defaultHighScores();
    for (auto [name, score] :
         {std::pair{"Smith, Jr.", 99000}, {"say \"hi\", then go", 61000}, {"  lead", 47000}, {"", 20000}})
        insertHighScore(t, name, score, 12);
    return t;
}

// A number stays the same number, anything else the same text.
bool sameEntry(const HighScoreEntry& a, const HighScoreEntry& b) {
    const auto same = [](const FileValue& x, const FileValue& y) {
        return numberValue(x) == numberValue(y) && (numberValue(x) || displayText(x) == displayText(y));
    };
    return a.name == b.name && same(a.score, b.score) && same(a.level, b.level);
}

size_t entries(const fs::path& dir) { return size_t(std::distance(fs::directory_iterator(dir), {})); }
}  // namespace

// Guards a cut file losing a whole entry, or written back differently from what was read (the only
// repair noted on the rewrite: a score kept as text).
TEST(FileFaults, ACutScoreFileKeepsEveryWholeEntry) {
    const HighScoreTable table = playedTable();
    const std::string full = serializeHighScores(table);
    for (size_t n = 0, whole = 0; n <= full.size(); ++n) {
        if (n >= 2 && full.compare(n - 2, 2, "\r\n") == 0) ++whole;  // lines ended before the cut
        const HighScoreTable cut = parseHighScores(full.substr(0, n)).table;
        const HighScoreRead again = parseHighScores(serializeHighScores(cut));
        for (const std::string& note : again.repairs)
            EXPECT_NE(note.find("is not a number"), std::string::npos);
        for (size_t i = 0; i < cut.entries.size(); ++i) {
            EXPECT_TRUE(sameEntry(again.table.entries[i], cut.entries[i])) << "cut at " << n;
            EXPECT_TRUE(i >= whole / 3 || sameEntry(cut.entries[i], table.entries[i])) << "cut at " << n;
        }
    }
}

// Guards a failed write (a full disk) harming the old file, writes that follow a link out of the
// folder or replace what the game cannot read, temporary files left behind, and what the start-up clears.
TEST(FileFaults, AFileIsReplacedWholeOrLeftAlone) {
    const test::ScratchFolder dir("vrh_textfile"), outside("vrh_outside");
    std::ofstream(outside / "victim") << "not the game's";
    fs::create_directories(dir / "folder" / "inside");
    fs::create_symlink(outside / "victim", dir / "link");
    fs::create_symlink(outside / "none", dir / "dangling link");
    ::mkfifo((dir / "pipe").c_str(), 0644);
    std::ofstream(dir / "locked") << "x";  // unreadable, or another user's when run as root
    ::geteuid() == 0 ? void(::chown((dir / "locked").c_str(), 65534, 65534))
                     : fs::permissions(dir / "locked", fs::perms::none);
    const char* planted[] = {"folder", "link", "dangling link", "pipe", "locked"};
    for (const char* what : planted) {
        const auto before = fs::symlink_status(dir / what).type();
        EXPECT_EQ(readFileItems(dir / what, {}).status, FileStatus::Refused) << what;
        EXPECT_FALSE(writeTextFileAtomic(dir / what, "game data")) << what;
        EXPECT_EQ(fs::symlink_status(dir / what).type(), before) << what;
    }
    const std::string bytes("a\r\n\0\xff,\"b\"\r\n", 11);
    fs::create_symlink(outside / "victim", dir / "f.txt.tmp");  // where a temporary file once went
    ASSERT_TRUE(writeTextFileAtomic(dir / "f.txt", bytes));
    setWriteFaultForTesting([](const fs::path&) { return true; });
    EXPECT_FALSE(writeTextFileAtomic(dir / "f.txt", "new"));
    setWriteFaultForTesting(nullptr);
    EXPECT_EQ(readTextFile(dir / "f.txt"), bytes);
    EXPECT_EQ(readTextFile(outside / "victim"), "not the game's");
    EXPECT_FALSE(fs::exists(outside / "none"));
    EXPECT_EQ(entries(dir), std::size(planted) + 2) << "no temporary file left behind";
    EXPECT_FALSE(writeTextFileAtomic(dir / "no" / "such" / "f.txt", "x"));
    for (const char* name : {".vrhhs.txt.Ab12cd", ".ws.txt.x_Y9zq", ".hidden", "keep.txt"})
        std::ofstream(dir / name) << "x";
    removeLeftoverTemporaryFiles(dir);
    EXPECT_EQ(entries(dir), std::size(planted) + 4) << "leftovers go, .hidden and keep.txt stay";
}

// Guards a killed write leaving half a file (two copies at once: windows/faults_test).
TEST(FileFaults, AKilledWriteLeavesTheOldOrTheNewFileWhole) {
    const test::ScratchFolder dir("vrh_killed_write");
    const auto file = dir / kHighScoreFileName;
    const std::string texts[2] = {serializeHighScores(playedTable()), std::string(100000, 'Q')};
    ASSERT_TRUE(writeTextFileAtomic(file, texts[0]));
    std::mt19937 rng(7);
    for (int kill = 0; kill < 1000; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        for (unsigned i = 0; child == 0; ++i) {  // writes over and over, as the game does, until killed
            const FolderLock lock(dir);
            writeTextFileAtomic(file, texts[i % 2]);
        }
        ::usleep(useconds_t(100 + rng() % 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto now = readTextFile(file);
        ASSERT_TRUE(now == texts[0] || now == texts[1]) << "kill " << kill << ": half a file";
    }
}
