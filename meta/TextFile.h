#pragma once
// Reading and all-or-nothing writing of the game's small text files.
//
// A file the game cannot use is kept apart from a missing one: a folder, a
// link, a device, a file that cannot be read or one that belongs to another
// user stands in the file's place. Such a file is "refused": it is never read
// as the game's file and never written over.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "meta/ItemReader.h"

namespace vrh {

enum class FileStatus { Missing, Readable, Refused };

struct FileItems {
    FileStatus status = FileStatus::Missing;
    std::string problem;  // for a refused file, in plain words: "is a folder"
    ItemsRead read;       // the items of a readable file
};

// The first items of `file` (see ItemLimits): reading stops there.
FileItems readFileItems(const std::filesystem::path& file, const ItemLimits& limits);

// The file's bytes, or none when it is missing or refused. For small files
// (the settings, and tests): reading stops after about kMaxTextFileBytes.
inline constexpr size_t kMaxTextFileBytes = 1 << 20;
std::optional<std::string> readTextFile(const std::filesystem::path& file);

// Why the game must not write over what stands at `file`; none when the
// place is free or holds a plain file of this user.
std::optional<std::string> refusalReason(const std::filesystem::path& file);

// Replaces `file` with `text` so that a failure never leaves half a file and
// nothing outside the file's folder is touched: the text goes to a temporary
// file of a unique name in the same folder, created exclusively (a link
// planted there is not followed), is flushed to the disk and renamed over the
// target; then the folder is synced. A refused target is left alone. On any
// failure the target is untouched, the temporary file is removed and false is
// returned.
bool writeTextFileAtomic(const std::filesystem::path& file, std::string_view text);

// A write killed before its rename leaves its temporary file behind (hidden:
// ".vrhhs.txt.a1B2c3"). This removes those of the folder; call it only while
// holding the folder's lock, so no other copy's write in progress is touched.
void removeLeftoverTemporaryFiles(const std::filesystem::path& folder);

// Tests make the writing of chosen files fail as on a full disk.
void setWriteFaultForTesting(std::function<bool(const std::filesystem::path&)> fails);

}  // namespace vrh
