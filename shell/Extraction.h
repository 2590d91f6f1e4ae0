#pragma once
// Writing the embedded media out beside the executable on the first start.
//
// The flag file "ws.txt" decides: each of its fields equal to "Yes" runs one
// pass that writes all nineteen media files (resource ids 101..119, in that
// order, replacing files that are there). A flag file that is missing or
// cannot be read counts as a single "Yes". After the passes the flag file is
// rewritten as "No", so later starts write nothing.
//
// A folder that cannot be written stops the extraction: the files written so
// far stay, the flag file is left as it was (the next start tries again), and
// the outcome names the folder so the start-up can say so once.
//
// A flag file the game must not use (a folder, a link ...; see TextFile.h)
// writes nothing: no media, and the flag file stays as it is. A medium whose
// place holds such a thing is skipped and that thing left alone. Two copies
// started together take turns (FolderLock): the second one finds "No".
#include <filesystem>
#include <optional>
#include <string>

namespace vrh {

// Where the program's embedded resources come from.
class ResourceSource {
public:
    virtual ~ResourceSource() = default;
    // The raw bytes of a resource, none when the program carries no such one.
    virtual std::optional<std::string> LoadResData(int resId) const = 0;
};

enum class ResToFileResult {
    Written,
    AlreadyExists,  // the file is there and overwrite was not asked for (run-time error 58)
    NoResource,     // nothing embedded under that id: nothing written, nothing removed
    Refused,        // a folder, a link or another user's file is in the way: left alone
    WriteFailed,    // the folder refused the file; an existing file stays as it was
};

// Writes resource `resId` unchanged (binary) to `fileName`. An existing file
// is replaced only when `overwrite` is true.
ResToFileResult ResToFile(const std::filesystem::path& fileName, int resId, const ResourceSource& source,
                          bool overwrite = false);

struct ExtractionOutcome {
    int passes = 0;                              // extraction passes run ("Yes" fields)
    bool flagFileMissing = false;                // the flag file was missing
    std::optional<std::string> flagFileRefused;  // why the flag file was left alone
    int filesRefused = 0;                        // media whose place held something not to touch
    int filesWritten = 0;
    bool flagRewritten = false;  // "ws.txt" now says "No"
    // Set when a file could not be written: the folder that refused it.
    std::optional<std::filesystem::path> unwritableFolder;
};

// The start-up's extraction step over the application folder.
ExtractionOutcome extractMedia(const std::filesystem::path& appFolder, const ResourceSource& source);

// The notice shown once when the media could not be written.
std::string unwritableFolderNotice(const std::filesystem::path& folder);

}  // namespace vrh
