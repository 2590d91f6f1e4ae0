#include "meta/FlagFile.h"

#include "meta/ItemReader.h"

namespace vrh {

namespace {
constexpr ItemLimits kFlagLimits{kFlagFileFields, kMaxItemBytes};

int countYes(const std::vector<std::string>& fields) {
    int n = 0;
    for (const std::string& field : fields)
        if (field == "Yes") ++n;
    return n;
}
}  // namespace

int countYesFields(std::string_view text) { return countYes(readItems(text, kFlagLimits)); }

FlagFileRead readFlagFile(const std::filesystem::path& file) {
    const FileItems f = readFileItems(file, kFlagLimits);
    return {f.status, f.problem, countYes(f.read.items)};
}

}  // namespace vrh
