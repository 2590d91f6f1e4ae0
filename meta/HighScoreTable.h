#pragma once
// The ten-place high-score table and its file "vrhhs.txt".
//
// File: ten entries, best first, three lines each (name, score, level), lines
// ended by CR LF. Values read from the file are kept as text and written back
// as they were; the score and level of an entry the game inserts are numbers
// and are written in the print form (" 47000 ", " 9 "). A name is written so
// that it reads back as one item exactly as typed (see quoteItem).
//
// Repairs made when the file is read (each is reported in `repairs` so the
// caller can log it; the caller then writes the table back):
//   - missing file: the default table; the caller creates the file with it;
//   - fewer than 30 items: every item present is kept; an entry cut short
//     gets "0" for its missing score and level; the places after it are
//     filled with the default table's entries of the same places. A table
//     grows from the default one only by insertions, which never lower the
//     score at a place, so a truncated file stays in order this way;
//   - text where a number belongs is kept as written and ranks as 0;
//   - more than 30 items: the first 30 count, the rest is dropped (and not
//     even read);
//   - a refused file (a folder, a link, unreadable, another user's; see
//     TextFile.h): the default table, and the file must not be written.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "meta/FileValue.h"
#include "meta/TextFile.h"

namespace vrh {

inline constexpr const char* kHighScoreFileName = "vrhhs.txt";
inline constexpr int kHighScorePlaces = 10;

struct HighScoreEntry {
    std::string name;
    FileValue score;
    FileValue level;
};

struct HighScoreTable {
    std::array<HighScoreEntry, kHighScorePlaces> entries;
};

struct HighScoreRead {
    HighScoreTable table;
    std::vector<std::string> repairs;    // empty when the file was read as it is
    std::optional<std::string> refused;  // why the file stands but cannot be used
};

// The table written by the options window's reset: "Brisko" 50000 100 ...
HighScoreTable defaultHighScores();

// `fileText` is none when the file is missing.
HighScoreRead parseHighScores(const std::optional<std::string>& fileText);
HighScoreRead parseHighScores(const FileItems& file);
// Reads no further than the 30 items of the table.
HighScoreRead readHighScoreFile(const std::filesystem::path& file);

std::string serializeHighScores(const HighScoreTable& table);

// The reset's file contents: the default table, 30 plain lines.
std::string highScoreResetText();

// Offers a finished run to the table. The run goes above the first entry it
// beats; equal scores stay above it; the last entry falls out. Returns the
// index (0 = place 1) it went to, or none when it did not get in (a score of 0
// or below never does).
std::optional<int> insertHighScore(HighScoreTable& table, const std::string& name, double score,
                                   double level);

// The row that pulses: the topmost whose score is a number equal to `score`.
std::optional<int> topmostRowWithScore(const HighScoreTable& table, double score);

// The texts printed for one row.
struct HighScoreRowText {
    std::string name, score, level;
};
HighScoreRowText rowText(const HighScoreTable& table, int index);

}  // namespace vrh
