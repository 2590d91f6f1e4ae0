#pragma once
// The application folder: where the media files, the flag file and the score
// and save files live. It is the executable's folder; when that folder cannot
// be written (an installed copy in /usr, say), it is $XDG_DATA_HOME/varnholt
// (~/.local/share/varnholt when the variable is unset), created on demand.
#include <filesystem>
#include <string>

namespace vrh {

std::filesystem::path appFolder();
// The folder the game would use for a given executable folder.
std::filesystem::path chooseAppFolder(const std::filesystem::path& exeFolder);
// Tests and tools point the game at a folder of their own.
void setAppFolder(const std::filesystem::path& folder);
std::filesystem::path executableFolder();
bool folderWritable(const std::filesystem::path& folder);
std::filesystem::path xdgDataFolder();

}  // namespace vrh
