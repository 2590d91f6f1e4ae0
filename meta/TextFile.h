#pragma once
// Whole-file reading and all-or-nothing writing of the game's small text files.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vrh {

// The file's bytes, or none when it is missing or cannot be read.
std::optional<std::string> readTextFile(const std::filesystem::path& file);

// Replaces `file` with `text` so that a failure never leaves half a file: the
// text goes to "<file>.tmp" in the same folder, is flushed to the disk, and is
// then renamed over the target. On any failure the target is untouched, the
// temporary file is removed and false is returned.
bool writeTextFileAtomic(const std::filesystem::path& file, std::string_view text);

}  // namespace vrh
