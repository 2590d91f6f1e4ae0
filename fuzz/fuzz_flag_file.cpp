// The media flag file "ws.txt" (and the item reader under it) on arbitrary bytes. Properties:
//  - countYesFields counts the items among the first few that are exactly "Yes";
//  - the reader gives the same items whatever blocks the bytes come in, and with limits the first
//    items, each cut to a prefix of at most the cap, and says whether more follow;
//  - each item, written with quoteItem (quoted exactly when needed), reads back alone as itself,
//    and all of them written one a line read back as the same items with the same count.
#include <algorithm>

#include "fuzz/FuzzCheck.h"
#include "meta/FlagFile.h"

using namespace vrh;
using vrh::fuzz::shown;

namespace {
struct TrickleSource : ByteSource {  // blocks of 1 to 7 bytes, so items straddle blocks
    explicit TrickleSource(std::string_view text) : text(text) {}
    size_t read(char* into, size_t max) override {
        const size_t n = std::min({max, text.size(), 1 + text.size() % 7});
        std::copy_n(text.data(), n, into);
        text.remove_prefix(n);
        return n;
    }
    std::string_view text;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> items = readItems(text, {SIZE_MAX, SIZE_MAX});
    const int yes = countYesFields(text);
    FUZZ_CHECK(
        yes == std::count(items.begin(),
                          items.begin() + std::ptrdiff_t(std::min(items.size(), kFlagFileFields)), "Yes"),
        std::to_string(yes) + " in " + shown(std::string(text)));
    TrickleSource trickle(text);
    FUZZ_CHECK(readItems(trickle, {SIZE_MAX, SIZE_MAX}).items == items, "blocks change the items");
    TextSource limited(text);
    const ItemsRead few = readItems(limited, {5, 6});
    FUZZ_CHECK(few.items.size() == std::min<size_t>(items.size(), 5) && few.moreItems == (items.size() > 5),
               "limits");
    for (size_t k = 0; k < few.items.size(); ++k)
        FUZZ_CHECK(few.items[k].size() <= 6 && items[k].starts_with(few.items[k]),
                   shown(few.items[k]) + " of " + shown(items[k]));
    std::string rewritten;
    for (const std::string& item : items) {
        const std::string line = quoteItem(item);
        FUZZ_CHECK(needsQuotes(item) == (line != item), "quoted exactly when needed: " + shown(item));
        FUZZ_CHECK(readItems(line + "\r\n", {SIZE_MAX, SIZE_MAX}) == std::vector{item},
                   shown(item) + " as " + shown(line));
        toNumber(item);
        rewritten += line + "\r\n";
    }
    FUZZ_CHECK(readItems(rewritten, {SIZE_MAX, SIZE_MAX}) == items,
               "written one a line:\n" + shown(rewritten));
    FUZZ_CHECK(countYesFields(rewritten) == yes, "the rewritten file counts differently");
    return 0;
}
