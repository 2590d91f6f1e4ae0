#include "meta/HighScoreTable.h"

#include "meta/ItemReader.h"

namespace vrh {

namespace {
constexpr int kItemsPerEntry = 3;
constexpr int kFileItems = kHighScorePlaces * kItemsPerEntry;
constexpr ItemLimits kHighScoreItemLimits{kFileItems, kMaxItemBytes};

struct DefaultRow {
    const char* name;
    const char* score;
    const char* level;
};
constexpr std::array<DefaultRow, kHighScorePlaces> kDefaultRows{{
    {"Brisko", "50000", "100"},
    {"Tolm", "45000", "90"},
    {"Pell", "40000", "80"},
    {"Sudrane", "35000", "70"},
    {"Kovit", "30000", "60"},
    {"Quillon", "25000", "50"},
    {"Inc.", "20000", "40"},
    {"Zarvik", "15000", "30"},
    {"Inc.", "10000", "20"},
    {"Enjoy!", "5000", "10"},
}};

std::string place(int index) { return "place " + std::to_string(index + 1); }
}  // namespace

HighScoreTable defaultHighScores() {
    HighScoreTable t;
    for (int i = 0; i < kHighScorePlaces; ++i) {
        const DefaultRow& r = kDefaultRows[size_t(i)];
        t.entries[size_t(i)] = {r.name, std::string(r.score), std::string(r.level)};
    }
    return t;
}

HighScoreRead parseHighScores(const std::optional<std::string>& fileText) {
    FileItems file;
    if (fileText) {
        TextSource source(*fileText);
        file.status = FileStatus::Readable;
        file.read = readItems(source, kHighScoreItemLimits);
    }
    return parseHighScores(file);
}

HighScoreRead readHighScoreFile(const std::filesystem::path& file) {
    return parseHighScores(readFileItems(file, kHighScoreItemLimits));
}

HighScoreRead parseHighScores(const FileItems& file) {
    HighScoreRead out;
    out.table = defaultHighScores();
    if (file.status == FileStatus::Refused) {
        out.refused = file.problem;
        out.repairs.push_back("vrhhs.txt " + file.problem + ": using the default table, not writing it");
        return out;
    }
    if (file.status == FileStatus::Missing) {
        out.repairs.push_back("vrhhs.txt is missing: using the default table");
        return out;
    }
    const std::vector<std::string>& items = file.read.items;
    if (file.read.moreItems)
        out.repairs.push_back("vrhhs.txt holds more than 30 items: only the first 30 are used");
    const int count = int(items.size());
    const int entriesTouched = (count + kItemsPerEntry - 1) / kItemsPerEntry;
    for (int e = 0; e < entriesTouched; ++e) {
        HighScoreEntry& entry = out.table.entries[size_t(e)];
        const int k = e * kItemsPerEntry;
        entry.name = items[size_t(k)];
        entry.score = k + 1 < count ? items[size_t(k) + 1] : std::string("0");
        entry.level = k + 2 < count ? items[size_t(k) + 2] : std::string("0");
        if (k + 2 >= count)
            out.repairs.push_back("vrhhs.txt: " + place(e) + " is cut short: missing " +
                                  (k + 1 < count ? "level" : "score and level") + " set to 0");
        if (!numberValue(entry.score))
            out.repairs.push_back("vrhhs.txt: score of " + place(e) + " is not a number: ranks as 0");
    }
    if (entriesTouched < kHighScorePlaces)
        out.repairs.push_back("vrhhs.txt holds " + std::to_string(count) + " items: " +
                              place(entriesTouched) + " to place 10 taken from the default table");
    return out;
}

std::string serializeHighScores(const HighScoreTable& table) {
    std::string out;
    for (const HighScoreEntry& e : table.entries) {
        out += quoteItem(e.name) + "\r\n";
        out += fileLine(e.score) + "\r\n";
        out += fileLine(e.level) + "\r\n";
    }
    return out;
}

std::string highScoreResetText() { return serializeHighScores(defaultHighScores()); }

std::optional<int> insertHighScore(HighScoreTable& table, const std::string& name, double score,
                                   double level) {
    if (!(score > 0)) return std::nullopt;
    auto& es = table.entries;
    for (int i = 0; i < kHighScorePlaces; ++i) {
        if (score > rankValue(es[size_t(i)].score)) {
            for (int j = kHighScorePlaces - 1; j > i; --j) es[size_t(j)] = es[size_t(j - 1)];
            es[size_t(i)] = {name, score, level};
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> topmostRowWithScore(const HighScoreTable& table, double score) {
    for (int i = 0; i < kHighScorePlaces; ++i) {
        const auto v = numberValue(table.entries[size_t(i)].score);
        if (v && *v == score) return i;
    }
    return std::nullopt;
}

HighScoreRowText rowText(const HighScoreTable& table, int index) {
    const HighScoreEntry& e = table.entries.at(size_t(index));
    return {e.name, displayText(e.score), displayText(e.level)};
}

}  // namespace vrh
