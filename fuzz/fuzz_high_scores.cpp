// The high-score file "vrhhs.txt" read from arbitrary bytes, then a run
// offered to the table, the table written and read again.
//
// Input: the file's bytes; the last bytes choose the offered run (score,
// level and one of a few awkward names).
//
// Properties:
//  - reading always gives ten places;
//  - an offered run goes above the first entry it beats (equal scores stay
//    above it), the others keep their order and the last one falls out; a
//    score of 0 or below never gets in;
//  - the written table holds exactly 30 items and reads back as the same
//    table (names and text exactly, numbers as the same numbers), and
//    writing it again is a fixed point.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "meta/HighScoreTable.h"
#include "meta/ItemReader.h"

using namespace vrh;
using vrh::fuzz::describe;
using vrh::fuzz::readsBackAs;
using vrh::fuzz::shown;

namespace {

const std::string kNames[] = {"Anna", "", " ", "a,b", "\"quoted\"", "say \"hi\"", "  lead", "trail  ",
                              "two\r\nlines", "tab\there", "\"", ",", "0", " 47000 ", "Brisko"};

bool sameEntry(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.name == b.name && a.score == b.score && a.level == b.level;
}

// `b` is `a` written and read back.
void expectReadBack(const FileValue& a, const FileValue& b, int place, const char* what) {
    FUZZ_CHECK(readsBackAs(a, b), "place " + std::to_string(place + 1) + " " + what + ": " + describe(a) +
                                      " read back as " + describe(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    // Integral values come from the end of the input, so a plain text file
    // used as a seed stays a readable file at the front.
    const double score = in.ConsumeIntegralInRange<int64_t>(-5, std::numeric_limits<int32_t>::max());
    const double level = in.ConsumeIntegralInRange<int32_t>(std::numeric_limits<int16_t>::min(),
                                                            std::numeric_limits<int16_t>::max());
    const std::string& name = kNames[in.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)];
    const std::string text = in.ConsumeRemainingBytesAsString();

    const HighScoreRead read = parseHighScores(text);
    const HighScoreTable before = read.table;
    HighScoreTable table = before;
    for (int i = 0; i < kHighScorePlaces; ++i) {
        rowText(table, i);
        topmostRowWithScore(table, rankValue(table.entries[size_t(i)].score));
    }

    // The offer.
    const auto place = insertHighScore(table, name, score, level);
    if (!place) {
        for (int i = 0; i < kHighScorePlaces; ++i)
            FUZZ_CHECK(sameEntry(table.entries[size_t(i)], before.entries[size_t(i)]), "a refused run changes nothing");
        if (score > 0)
            for (const HighScoreEntry& e : before.entries)
                FUZZ_CHECK(rankValue(e.score) >= score, "a run that beats an entry gets in");
    } else {
        const int p = *place;
        FUZZ_CHECK(score > 0 && p >= 0 && p < kHighScorePlaces, "place " + std::to_string(p));
        for (int i = 0; i < p; ++i) {
            FUZZ_CHECK(sameEntry(table.entries[size_t(i)], before.entries[size_t(i)]), "entries above stay");
            FUZZ_CHECK(rankValue(before.entries[size_t(i)].score) >= score, "the run goes above the first entry it beats");
        }
        FUZZ_CHECK(rankValue(before.entries[size_t(p)].score) < score, "the run beats the entry it displaces");
        const HighScoreEntry& e = table.entries[size_t(p)];
        FUZZ_CHECK(e.name == name && numberValue(e.score) == score && numberValue(e.level) == level, "the run as offered");
        for (int i = p + 1; i < kHighScorePlaces; ++i)
            FUZZ_CHECK(sameEntry(table.entries[size_t(i)], before.entries[size_t(i - 1)]), "entries below move down one");
        const auto top = topmostRowWithScore(table, score);
        FUZZ_CHECK(top && *top <= p, "the new row pulses, or one above it with the same score");
    }

    // Written and read back.
    const std::string written = serializeHighScores(table);
    FUZZ_CHECK(readItems(written).size() == size_t(3 * kHighScorePlaces), "30 items:\n" + shown(written));
    FUZZ_CHECK(size_t(std::count(written.begin(), written.end(), '\n')) == size_t(3 * kHighScorePlaces),
               "30 lines:\n" + shown(written));
    const HighScoreRead again = parseHighScores(written);
    for (const std::string& r : again.repairs)
        FUZZ_CHECK(r.find("is not a number") != std::string::npos, "a table we wrote needs no repair: " + r);
    for (int i = 0; i < kHighScorePlaces; ++i) {
        const HighScoreEntry& a = table.entries[size_t(i)];
        const HighScoreEntry& b = again.table.entries[size_t(i)];
        std::string oneLine = a.name;
        std::replace_if(oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        FUZZ_CHECK(oneLine == b.name, "place " + std::to_string(i + 1) + ": name " + shown(a.name) + " read back as " +
                                         shown(b.name));
        expectReadBack(a.score, b.score, i, "score");
        expectReadBack(a.level, b.level, i, "level");
        FUZZ_CHECK(rankValue(a.score) == rankValue(b.score), "place " + std::to_string(i + 1) + ": rank changed");
    }
    const std::string rewritten = serializeHighScores(again.table);
    FUZZ_CHECK(serializeHighScores(parseHighScores(rewritten).table) == rewritten,
               "writing twice changes the file:\n" + shown(rewritten));
    return 0;
}
