#include "platform/ShortPath.h"

#include <filesystem>
#include <system_error>

namespace vrh {
std::string GetShortName(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) return {};
    return path;
}
}  // namespace vrh
