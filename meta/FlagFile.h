#pragma once
// The media flag file "ws.txt": "Yes" asks the start-up to write the media
// files out; afterwards the start-up replaces it by a single "No" line.
//
// Its fields are its lines, or the parts of a line up to a comma, with
// surrounding quotes removed (the items of readItems). Each field equal to
// "Yes" exactly (case-sensitive) counts once. Only the first few fields are
// read: a flag file is one line, and each "Yes" costs a pass over the media.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "meta/TextFile.h"

namespace vrh {

inline constexpr const char* kFlagFileName = "ws.txt";
inline constexpr const char* kFlagFileDone = "No\r\n";

int countYesFields(std::string_view text);

inline constexpr size_t kFlagFileFields = 8;

struct FlagFileRead {
    FileStatus status = FileStatus::Missing;  // missing: the start-up counts a single "Yes"
    std::string problem;                      // refused: nothing is extracted or rewritten
    int yes = 0;
};
FlagFileRead readFlagFile(const std::filesystem::path& file);

}  // namespace vrh
