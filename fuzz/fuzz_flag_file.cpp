// The media flag file "ws.txt" (and the item reader under it) on arbitrary
// bytes.
//
// Properties:
//  - countYesFields counts the items equal to "Yes": never more than the
//    times "Yes" occurs in the text, none without one;
//  - the items, each written with quoteItem on its own line, read back as
//    the same items, so the count is the same for the rewritten file;
//  - every item reads back alone: readItems(quoteItem(s) + CR LF) == {s}.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "meta/FlagFile.h"
#include "meta/ItemReader.h"

using namespace vrh;
using vrh::fuzz::shown;

namespace {

size_t occurrences(std::string_view text, std::string_view word) {
    size_t n = 0;
    for (size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int yes = countYesFields(text);
    FUZZ_CHECK(yes >= 0 && size_t(yes) <= occurrences(text, "Yes"), std::to_string(yes) + " in " + shown(std::string(text)));

    const std::vector<std::string> items = readItems(text);
    FUZZ_CHECK(size_t(yes) == size_t(std::count(items.begin(), items.end(), "Yes")), "the count is the Yes items");

    std::string rewritten;
    for (const std::string& item : items) {
        const std::string line = quoteItem(item);
        FUZZ_CHECK(needsQuotes(item) == (line != item), "quoted exactly when needed: " + shown(item));
        const std::vector<std::string> alone = readItems(line + "\r\n");
        FUZZ_CHECK(alone.size() == 1 && alone[0] == item, shown(item) + " written as " + shown(line));
        toNumber(item);
        rewritten += line + "\r\n";
    }
    const std::vector<std::string> again = readItems(rewritten);
    FUZZ_CHECK(again == items, "the items written one a line read back differently:\n" + shown(rewritten));
    FUZZ_CHECK(countYesFields(rewritten) == yes, "the rewritten file counts differently");
    return 0;
}
