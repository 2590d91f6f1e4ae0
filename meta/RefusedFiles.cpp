#include "meta/RefusedFiles.h"

namespace vrh {

void RefusedFiles::refuse(const std::filesystem::path& file, const std::string& problem,
                          const std::string& whatIsLost) {
    if (!files_.insert(file.string()).second) return;  // told already
    boxes_.notice(refusedFileNotice(file, problem, whatIsLost));
}

std::string refusedFileNotice(const std::filesystem::path& file, const std::string& problem,
                              const std::string& whatIsLost) {
    const std::string quoted = "\"" + file.string() + "\"";
    return "The game cannot read " + quoted + ": it " + problem + ". " + whatIsLost +
           " will not be kept while the game runs this time, and that file stays as it is. "
           "To fix it, move " +
           quoted +
           " out of the way (or make it a plain file of your own "
           "that you can read and write), then start the game again.";
}

}  // namespace vrh
