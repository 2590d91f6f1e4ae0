#include "platform/AppFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace vrh {
namespace {
std::optional<fs::path>& chosen() {
    static std::optional<fs::path> folder;
    return folder;
}
}  // namespace

fs::path executableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec);
    return exe.parent_path();
}

bool folderWritable(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

fs::path xdgDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : "/tmp") / ".local" / "share";
    }
    return base / "varnholt";
}

fs::path chooseAppFolder(const fs::path& exeFolder) {
    if (folderWritable(exeFolder)) return exeFolder;
    fs::path fallback = xdgDataFolder();  // not const: returned by move
    std::error_code ec;
    fs::create_directories(fallback, ec);
    return fallback;
}

fs::path appFolder() {
    if (!chosen()) chosen() = chooseAppFolder(executableFolder());
    return *chosen();
}

void setAppFolder(const fs::path& folder) { chosen() = folder; }

}  // namespace vrh
