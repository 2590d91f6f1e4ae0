#include "meta/FlagFile.h"

#include "meta/ItemReader.h"
#include "meta/TextFile.h"

namespace vrh {

int countYesFields(std::string_view text) {
    int n = 0;
    for (const std::string& field : readItems(text))
        if (field == "Yes") ++n;
    return n;
}

std::optional<int> readFlagFile(const std::filesystem::path& file) {
    const auto text = readTextFile(file);
    if (!text) return std::nullopt;
    return countYesFields(*text);
}

}  // namespace vrh
