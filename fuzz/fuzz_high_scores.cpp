// The high-score file "vrhhs.txt" read from arbitrary bytes, a run offered to the table, the table
// written and read again. The last bytes choose the run (a score or that of a place, a level, a name).
//  - the run goes above the first entry it beats (equal scores stay above it), the others keep their
//    order and the last falls out; a refused run changes nothing; a score of 0 or below never gets in;
//  - the written table is 30 lines and reads back as the same table (names and text exactly, numbers
//    as the same numbers), and writing it again is a fixed point.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "fuzz/FuzzCheck.h"
#include "meta/HighScoreTable.h"

using namespace vrh;
using namespace vrh::fuzz;

namespace {
const std::string kNames[] = {"Anna",       "",       " ",       "a,b",          "\"quoted\"",
                              "say \"hi\"", "  lead", "trail  ", "two\r\nlines", "tab\there",
                              "\"",         ",",      "0",       " 47000 ",      "Brisko"};

bool sameEntry(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.name == b.name && a.score == b.score && a.level == b.level;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);  // integral values come from the end: a text seed stays a file
    double score = in.ConsumeIntegralInRange<int64_t>(-5, std::numeric_limits<int32_t>::max());
    const int tieWith =
        in.ConsumeIntegralInRange<int>(-1, kHighScorePlaces - 1);  // a place whose score to offer
    const double level = in.ConsumeIntegralInRange<int32_t>(-32768, 32767);
    const std::string& name = kNames[in.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)];
    const HighScoreTable before = parseHighScores(in.ConsumeRemainingBytesAsString()).table;
    const double tie = tieWith < 0 ? 0 : rankValue(before.entries[size_t(tieWith)].score);
    if (tie > 0 && tie <= std::numeric_limits<int32_t>::max() && tie == std::floor(tie))
        score = tie;  // a run's score
    HighScoreTable table = before;
    const auto place = insertHighScore(table, name, score, level);
    const int p = place.value_or(kHighScorePlaces);
    FUZZ_CHECK(!place || score > 0, "a score of 0 or below got in");
    for (int i = 0; i < kHighScorePlaces; ++i) {
        const HighScoreEntry &now = table.entries[size_t(i)], &was = before.entries[size_t(i)];
        if (i < p)
            FUZZ_CHECK(sameEntry(now, was) && (score <= 0 || rankValue(was.score) >= score),
                       "the run beat an entry above");
        if (i == p) FUZZ_CHECK(rankValue(was.score) < score, "the run does not beat the entry it displaces");
        if (i > p)
            FUZZ_CHECK(sameEntry(now, before.entries[size_t(i - 1)]), "an entry below did not move down one");
    }
    if (place) {
        const HighScoreEntry& e = table.entries[size_t(p)];
        FUZZ_CHECK(e.name == name && numberValue(e.score) == score && numberValue(e.level) == level,
                   "the run as offered");
        FUZZ_CHECK(topmostRowWithScore(table, score).value_or(kHighScorePlaces) <= p,
                   "the new row pulses, or one above it with the same score");
    }
    const std::string written = serializeHighScores(table);
    FUZZ_CHECK(std::count(written.begin(), written.end(), '\n') == 3 * kHighScorePlaces,
               "30 lines:\n" + shown(written));
    const HighScoreRead again = parseHighScores(written);
    for (const std::string& r : again.repairs)
        FUZZ_CHECK(r.find("is not a number") != std::string::npos, "a repair: " + r);
    for (int i = 0; i < kHighScorePlaces; ++i) {
        const HighScoreEntry &a = table.entries[size_t(i)], &b = again.table.entries[size_t(i)];
        std::string oneLine = a.name;
        std::replace_if(
            oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        FUZZ_CHECK(oneLine == b.name && readsBackAs(a.score, b.score) && readsBackAs(a.level, b.level),
                   "place " + std::to_string(i + 1) + ": " + shown(a.name) + " " + describe(a.score) + " " +
                       describe(a.level) + " read back as " + shown(b.name) + " " + describe(b.score) + " " +
                       describe(b.level));
    }
    const std::string rewritten = serializeHighScores(again.table);
    FUZZ_CHECK(serializeHighScores(parseHighScores(rewritten).table) == rewritten,
               "writing twice:\n" + shown(rewritten));
    return 0;
}
