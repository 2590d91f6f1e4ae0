#include "shell/Extraction.h"

#include "meta/FlagFile.h"
#include "platform/FolderLock.h"
#include "meta/TextFile.h"
#include "audio/MediaTable.h"

namespace vrh {

ResToFileResult ResToFile(const std::filesystem::path& fileName, int resId, const ResourceSource& source,
                          bool overwrite) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(fileName, ec)) && !overwrite)
        return ResToFileResult::AlreadyExists;
    if (refusalReason(fileName)) return ResToFileResult::Refused;
    const std::optional<std::string> bytes = source.LoadResData(resId);
    if (!bytes) return ResToFileResult::NoResource;
    // Written beside the target and renamed over it: a failed write never
    // leaves half a media file behind.
    return writeTextFileAtomic(fileName, *bytes) ? ResToFileResult::Written : ResToFileResult::WriteFailed;
}

ExtractionOutcome extractMedia(const std::filesystem::path& appFolder, const ResourceSource& source) {
    ExtractionOutcome out;
    const FolderLock lock(appFolder);  // a second copy waits here, then reads "No"
    if (lock.held()) removeLeftoverTemporaryFiles(appFolder);
    const std::filesystem::path flagFile = appFolder / kFlagFileName;
    const FlagFileRead flag = readFlagFile(flagFile);
    if (flag.status == FileStatus::Refused) {
        out.flagFileRefused = flag.problem;
        return out;
    }
    out.flagFileMissing = flag.status == FileStatus::Missing;
    const int passes = out.flagFileMissing ? 1 : flag.yes;

    const std::string folderText = appFolder.string();
    for (int pass = 0; pass < passes; ++pass) {
        ++out.passes;
        for (const MediaEntry& m : kMediaTable) {
            const std::filesystem::path file = folderText + std::string(m.fileText);
            switch (ResToFile(file, m.resourceId, source, true)) {
            case ResToFileResult::Written: ++out.filesWritten; break;
            case ResToFileResult::WriteFailed: out.unwritableFolder = file.parent_path(); return out;
            case ResToFileResult::Refused: ++out.filesRefused; break;
            case ResToFileResult::AlreadyExists:  // cannot happen with overwrite
            case ResToFileResult::NoResource:     // a build without that medium: stays silent
                break;
            }
        }
    }
    if (out.passes > 0) {
        out.flagRewritten = writeTextFileAtomic(flagFile, kFlagFileDone);
        if (!out.flagRewritten) out.unwritableFolder = appFolder;
    }
    return out;
}

std::string unwritableFolderNotice(const std::filesystem::path& folder) {
    return "The music and sound files could not be written to the folder \"" + folder.string() +
           "\". The game runs without music and sounds.";
}

}  // namespace vrh
