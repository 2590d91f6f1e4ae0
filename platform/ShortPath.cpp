#include "platform/ShortPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vrh {
namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The existing file whose path equals `path` but for the case of letters.
// The players keep their file names in lower case, as the Windows file system
// would not mind; on Linux the real name is looked up part by part.
std::string findIgnoringCase(const fs::path& path) {
    std::error_code ec;
    fs::path found = path.root_path();
    for (const fs::path& part : path.relative_path()) {
        fs::path next = found / part;
        if (!fs::exists(next, ec)) {
            bool matched = false;
            for (const auto& entry : fs::directory_iterator(found, ec)) {
                if (sameIgnoringCase(entry.path().filename().string(), part.string())) {
                    next = entry.path();
                    matched = true;
                    break;
                }
            }
            if (!matched) return {};
        }
        found = next;
    }
    return found.string();
}

}  // namespace

std::string GetShortName(const std::string& path) {
    std::error_code ec;
    if (path.empty()) return {};
    if (fs::exists(path, ec)) return path;
    return findIgnoringCase(fs::path(path));
}

}  // namespace vrh
