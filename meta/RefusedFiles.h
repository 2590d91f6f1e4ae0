#pragma once
// Score and save files found unusable this session (a folder, a link, a file
// that cannot be read, another user's file in their place; see TextFile.h).
// The game never writes them while it runs, and tells the player about each
// one once: what cannot be read, what will not be kept, and how to fix it.
// The game plays on.
#include <filesystem>
#include <set>
#include <string>

#include "platform/MessageBox.h"

namespace vrh {

class RefusedFiles {
public:
    explicit RefusedFiles(MessageBoxes& boxes) : boxes_(boxes) {}

    // `whatIsLost` names what the file keeps, for the player: "High scores".
    void refuse(const std::filesystem::path& file, const std::string& problem, const std::string& whatIsLost);
    bool refused(const std::filesystem::path& file) const { return files_.count(file.string()) > 0; }

private:
    MessageBoxes& boxes_;
    std::set<std::string> files_;
};

std::string refusedFileNotice(const std::filesystem::path& file, const std::string& problem,
                              const std::string& whatIsLost);

}  // namespace vrh
