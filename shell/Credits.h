#pragma once
// The music credits shown by the credits window, read from the credits data
// file that travels with the music (":/credits.txt").
//
// Every line of the form "<title> ~ <credit>" credits one piece: the title
// music first, then the game tracks, then the sound effects; lines starting
// with '#' are comments. The window lists the ten game tracks in the options
// order, then the title music; a track the file does not mention is credited
// to the team. After the credit lines come detail records ("key: value"
// lines, a record per blank-line block, a line starting with two blanks
// continuing the previous value); the SoundFont and tool records are thanked.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vrh {

struct TrackCredit {
    std::string title;
    std::string credit;
};

inline constexpr std::string_view kTitleMusicName = "Varnholt Title Theme";
inline constexpr std::string_view kTeamCredit = "the Varnholt team";

// Every "<title> ~ <credit>" line of the file, in file order.
std::vector<TrackCredit> parseCredits(std::string_view fileText);

// The eleven lines of the "Music:" section, "<title> ~ <credit>".
std::vector<std::string> musicCreditLines(std::string_view fileText);

// The lines of the "Sounds:" section: every credited piece after the title
// music that is not a game track, "<title> ~ <credit>".
std::vector<std::string> soundCreditLines(std::string_view fileText);

// One detail record: its keys and values in file order.
using CreditRecord = std::vector<std::pair<std::string, std::string>>;
std::vector<CreditRecord> parseCreditRecords(std::string_view fileText);
// The value of `key` in a record, empty when it has none.
std::string recordValue(const CreditRecord& r, std::string_view key);

// The SoundFont and tools we used, one line each, for "Special Thanks:".
std::vector<std::string> thanksLines(std::string_view fileText);

}  // namespace vrh
