// The game's text files: their items split, quoted, read as numbers and printed; the media flag file; the
// files under faults (damaged contents, a full disk, whatever stands in a file's place, killed writes).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "meta/FlagFile.h"
#include "meta/HighScoreTable.h"
#include "meta/ItemReader.h"
#include "meta/NumberPrint.h"
#include "platform/FolderLock.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;
using Items = std::vector<std::string>;

// Guards item splitting: separators, line ends (LF then CR is two), blanks (leading skipped, trailing kept),
// empty items, quotes (ending at the line's end); quoting only what needs it, so that names with commas,
// quotes, blanks or line ends read back; a huge or endless file costing more than the items a reader needs.
TEST(ItemReader, SplitsQuotesAndStopsAsTheFilesNeed) {
    std::string got;
    for (const char* text :
         {"a,b\r\nc\nd\re", "a\n\rb", "  \tx y \r\n 47000 \r\n", "", "a\r\n\r\nb\r\n", "a,", "\"a,b\" tail,c",
          "\"two\r\nlines\"\r\nx", "\"say \"\"hi\"\"\"\r\n", "ab\"c\",d"}) {
        for (const std::string& item : readItems(text)) got += "[" + item + "]";
        got += "|";
    }
    EXPECT_EQ(got,
              "[a][b][c][d][e]|[a][][b]|[x y ][47000 ]||[a][][b]|[a][]|[a,b][c]|[two][lines\"][x]|"
              "[say \"hi\"]|[ab\"c\"][d]|");
    for (const std::string s : {"Brisko", "47000", "trailing ", "in side", ""}) EXPECT_EQ(quoteItem(s), s);
    for (std::string s : {"a,b", "  lead", "\tlead", "\"quoted\"", "say \"hi\"", "\"", "x\r\ny", "cr\ronly",
                          ",", " ", "a\"\"b", "\xff\xfe\xc3\x28", "mid\"dle, \"both\" "}) {
        const std::string line = quoteItem(s);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "one value a line";
        for (char& c : s) c = c == '\r' || c == '\n' ? ' ' : c;
        EXPECT_EQ(readItems(line + "\r\n" + line + "," + line), (Items{s, s, s})) << "[" << line << "]";
    }
    const std::string huge(3 * kMaxItemBytes, 'N'), cut(kMaxItemBytes, 'N'), e(kMaxItemBytes - 2, 'e');
    EXPECT_EQ(readItems(huge + "\r\n\"" + huge + "\"\r\n" + e + "\xe2\x82\xac,x,y,z", {4, kMaxItemBytes}),
              (Items{cut, cut, e, "x"}))
        << "no half of the euro sign at the cut";
    TextSource more("a,b,c"), exact("a,b\r\n");
    EXPECT_TRUE(readItems(more, {2, kMaxItemBytes}).moreItems &&
                !readItems(exact, {2, kMaxItemBytes}).moreItems);
}

// Guards the number forms the files hold, text or a number out of range passing as one; the caption format
// (digits below 1E+15, then exponent form; 15 significant digits), the file's (a blank for the sign and
// after).
TEST(Numbers, ReadAsTheFilesHoldThemAndPrintedInCaptionAndFileForms) {
    const std::pair<const char*, double> numbers[] = {
        {" 47000 ", 47000.0}, {"-5", -5.0},       {"+3", 3.0},    {".5", 0.5},     {"5.", 5.0},
        {"1E+15", 1e15},      {"1.2e16", 1.2e16}, {"1D2", 100.0}, {"1e-999", 0.0},
    };
    for (auto [s, v] : numbers) EXPECT_EQ(toNumber(s), v) << "[" << s << "]";
    for (const char* s : {"", " ", "12abc", "1 2", "1e", "e5", ".", "-", "inf", "nan", "0x10", "1,5", "+-1",
                          "1e999", "\"5\""})
        EXPECT_FALSE(toNumber(s)) << "[" << s << "]";
    EXPECT_FALSE(toNumber(std::string("5\0", 2)));
    EXPECT_EQ(toNumberOr0("12abc") + toNumberOr0(" 9 "), 9.0);
    std::string captions, files;
    for (double v : {3.0, -5.0, -0.0, 2147483647.0, -2.5, 703687441776640.0, 1e15, -3e20, 999999999999999.0,
                     1.2e16, 1407374883553280.0, 1e100, 9999999999999999.0, 1.0 / 3.0, 0.1 + 0.2, 0.00001})
        captions += numberText(v) + "|";
    for (double v : {3.0, -5.0, -0.0, 2147483647.0, -2.5, 703687441776640.0, 1e15, -3e20})
        files += printForm(v) + "|";
    EXPECT_EQ(captions,
              "3|-5|0|2147483647|-2.5|703687441776640|1E+15|-3E+20|999999999999999|1.2E+16|"
              "1.40737488355328E+15|1E+100|1E+16|0.333333333333333|0.3|1E-05|");
    EXPECT_EQ(files, " 3 |-5 | 0 | 2147483647 |-2.5 | 703687441776640 | 1E+15 |-3E+20 |");
    EXPECT_EQ(numberText(int64_t(-123)) + "|" + printForm(12345) + "|" + printForm(int64_t(-2147483648LL)),
              "-123| 12345 |-2147483648 ");
}

// Guards the fields that count as Yes (exactly, quotes removed), the cap on passes, a missing or odd file.
TEST(FlagFile, CountsTheFieldsThatAreExactlyYes) {
    std::string counts;
    for (const char* text : {"Yes\r\n", "Yes", "Yes\r\nYes\r\n", "\"Yes\"\r\n", "No,Yes\r\n", "yes\r\n",
                             "YES", "Yess\r\n", "", kFlagFileDone})
        counts += std::to_string(countYesFields(text));
    EXPECT_EQ(counts, "1121100000");
    const test::ScratchFolder dir("vrh_flag_test");
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).status, FileStatus::Missing);
    EXPECT_EQ(readFlagFile(dir.path()).status, FileStatus::Refused);
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "Yes\r\n";
    std::ofstream(dir / kFlagFileName, std::ios::binary) << many;
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).yes, 8) << "a pass per Yes, up to eight";
}

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

// Guards a cut file losing a whole entry, or written back otherwise than read (but for scores kept as text).
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
