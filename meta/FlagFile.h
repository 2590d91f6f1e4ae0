#pragma once
// The media flag file "ws.txt": "Yes" asks the start-up to write the media
// files out; afterwards the start-up replaces it by a single "No" line.
//
// Its fields are its lines, or the parts of a line up to a comma, with
// surrounding quotes removed (the items of readItems). Each field equal to
// "Yes" exactly (case-sensitive) counts once.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vrh {

inline constexpr const char* kFlagFileName = "ws.txt";
inline constexpr const char* kFlagFileDone = "No\r\n";

int countYesFields(std::string_view text);

// None when the file is missing or cannot be read; the start-up treats that
// like a single "Yes".
std::optional<int> readFlagFile(const std::filesystem::path& file);

}  // namespace vrh
