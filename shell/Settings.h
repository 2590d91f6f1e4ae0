#pragma once
// The player's preferences, kept in "settings.ini" in the game's folder (never
// in the score or save files). The file is read once at start; a missing or
// unreadable file, or one without a recognisable value, gives the defaults.
// Every change is written back at once, all or nothing.
//
//   [Display]
//   WholeNumberScaling=1
#include <filesystem>
#include <string>
#include <string_view>

#include "draw/Scaling.h"

namespace vrh {

inline constexpr const char* kSettingsFileName = "settings.ini";

struct Settings {
    // Full screen (and any enlarged window): enlarge the field by a whole
    // number, centred on black, instead of stretching it over the window.
    bool wholeNumberScaling = false;

    ScaleMode scaleMode() const { return wholeNumberScaling ? ScaleMode::WholeFactor : ScaleMode::Stretch; }
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The settings in `text` (the file's contents); defaults for whatever is
// missing or not understood.
Settings parseSettings(std::string_view text);
std::string settingsText(const Settings& s);

Settings loadSettings(const std::filesystem::path& file);
bool saveSettings(const std::filesystem::path& file, const Settings& s);

}  // namespace vrh
