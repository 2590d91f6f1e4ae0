#include "shell/Credits.h"

#include <algorithm>

#include "audio/MusicTracks.h"

namespace vrh {

namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::vector<TrackCredit> parseCredits(std::string_view text) {
    std::vector<TrackCredit> out;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        const std::string_view line = trim(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        if (line.empty() || line.front() == '#') continue;
        const size_t sep = line.find(" ~ ");
        if (sep == std::string_view::npos) continue;
        const std::string_view title = trim(line.substr(0, sep));
        const std::string_view credit = trim(line.substr(sep + 3));
        if (title.empty() || credit.empty()) continue;
        out.push_back({std::string(title), std::string(credit)});
    }
    return out;
}

namespace {
bool isGameTrack(const std::string& t) {
    return std::find(kTrackTitles.begin(), kTrackTitles.end(), t) != kTrackTitles.end();
}

// The file split into lines, line ends (CR LF or LF) removed.
std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.push_back(line);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
    return out;
}
}  // namespace

std::vector<std::string> musicCreditLines(std::string_view fileText) {
    std::vector<TrackCredit> credits = parseCredits(fileText);
    auto creditOf = [&](std::string_view title) -> std::string {
        for (const TrackCredit& c : credits)
            if (c.title == title) return c.credit;
        return std::string(kTeamCredit);
    };

    std::vector<std::string> lines;
    lines.reserve(kTrackTitles.size() + 1);
    for (std::string_view title : kTrackTitles) lines.push_back(std::string(title) + " ~ " + creditOf(title));
    // The title music: the file's first piece that is not a game track.
    const auto title = std::find_if(credits.begin(), credits.end(),
                                    [&](const TrackCredit& c) { return !isGameTrack(c.title); });
    if (title != credits.end())
        lines.push_back(title->title + " ~ " + title->credit);
    else
        lines.push_back(std::string(kTitleMusicName) + " ~ " + std::string(kTeamCredit));
    return lines;
}

std::vector<std::string> soundCreditLines(std::string_view fileText) {
    std::vector<std::string> out;
    bool titleMusicSeen = false;
    for (const TrackCredit& c : parseCredits(fileText)) {
        if (isGameTrack(c.title)) continue;
        if (!titleMusicSeen) {
            titleMusicSeen = true;
            continue;
        }
        out.push_back(c.title + " ~ " + c.credit);
    }
    return out;
}

std::vector<CreditRecord> parseCreditRecords(std::string_view fileText) {
    std::vector<CreditRecord> records;
    CreditRecord current;
    auto finish = [&] {
        if (!current.empty()) records.push_back(std::move(current));
        current.clear();
    };
    for (std::string_view line : lines(fileText)) {
        if (trim(line).empty()) {
            finish();
            continue;
        }
        if (line.front() == '#' || line.find(" ~ ") != std::string_view::npos) continue;
        if (line.substr(0, 2) == "  " && !current.empty()) {
            current.back().second += " " + std::string(trim(line));
            continue;
        }
        const size_t colon = line.find(": ");
        if (colon == std::string_view::npos) continue;
        current.push_back(
            {std::string(trim(line.substr(0, colon))), std::string(trim(line.substr(colon + 2)))});
    }
    finish();
    return records;
}

std::string recordValue(const CreditRecord& r, std::string_view key) {
    for (const auto& [k, v] : r)
        if (k == key) return v;
    return {};
}

std::vector<std::string> thanksLines(std::string_view fileText) {
    std::vector<std::string> out;
    for (const CreditRecord& r : parseCreditRecords(fileText)) {
        const std::string kind = recordValue(r, "kind");
        if (kind != "soundfont" && kind != "tool") continue;
        std::string line = recordValue(r, "name") + ": ";
        auto sentence = [&line](const std::string& text) {
            if (text.empty()) return;
            if (line.back() != ' ') line += ' ';
            line += text;
            if (line.back() != '.' && line.back() != ')') line += '.';
        };
        sentence(recordValue(r, "credit"));
        sentence(recordValue(r, "copyright"));
        if (const std::string l = recordValue(r, "licence"); !l.empty()) sentence("Licence: " + l);
        out.push_back(line);
    }
    return out;
}

}  // namespace vrh
