#pragma once
// The ten music tracks by title, in the order the options window lists them
// (track 1 first), and the title music's own title for the credits.
#include <array>
#include <string_view>

namespace vrh {

inline constexpr std::array<std::string_view, 10> kTrackTitles{
    "Stardust Speedway Zone", "Metallic Madness Zone",    "Space Trip Steps",    "Supporting Me",
    "Sorin' Over Space",      "Crush'em All for weapons", "Chemical Plant Zone", "Lava Reef Act 1",
    "Ice Cap Act 1",          "Death Egg Act 1"};

// The track a new game starts with (track 6).
inline constexpr std::string_view kDefaultTrack = kTrackTitles[5];

}  // namespace vrh
