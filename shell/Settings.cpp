#include "shell/Settings.h"

#include "platform/FolderLock.h"
#include "meta/TextFile.h"

namespace vrh {
namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

}  // namespace

Settings parseSettings(std::string_view text) {
    Settings s;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;  // section headers, comments, noise
        if (trimmed(line.substr(0, eq)) != "WholeNumberScaling") continue;
        const std::string_view value = trimmed(line.substr(eq + 1));
        if (value == "1" || value == "true")
            s.wholeNumberScaling = true;
        else if (value == "0" || value == "false")
            s.wholeNumberScaling = false;
    }
    return s;
}

std::string settingsText(const Settings& s) {
    return std::string("[Display]\nWholeNumberScaling=") + (s.wholeNumberScaling ? "1" : "0") + "\n";
}

Settings loadSettings(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    return text ? parseSettings(*text) : Settings{};
}

bool saveSettings(const std::filesystem::path& file, const Settings& s) {
    const FolderLock lock(file.parent_path());  // the start-up may be clearing leftovers
    return writeTextFileAtomic(file, settingsText(s));
}

}  // namespace vrh
