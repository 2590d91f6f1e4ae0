// The media flag file "ws.txt" (and the item reader under it) on arbitrary
// bytes.
//
// Properties:
//  - countYesFields counts the items equal to "Yes": never more than the
//    times "Yes" occurs in the text, none without one;
//  - the items, each written with quoteItem on its own line, read back as
//    the same items, so the count is the same for the rewritten file;
//  - every item reads back alone: readItems(quoteItem(s) + CR LF) == {s};
//  - the reader gives the same items whatever blocks the bytes come in, and
//    with limits it gives the first items, each cut to a prefix of at most
//    the cap, and says whether more follow.
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

// Hands out the text in blocks of 1 to 7 bytes, so items straddle blocks.
class TrickleSource : public ByteSource {
public:
    explicit TrickleSource(std::string_view text) : text_(text) {}
    size_t read(char* into, size_t max) override {
        const size_t n = std::min({max, text_.size(), 1 + text_.size() % 7});
        std::copy_n(text_.data(), n, into);
        text_.remove_prefix(n);
        return n;
    }

private:
    std::string_view text_;
};

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

    const std::vector<std::string> items = readItems(text, {SIZE_MAX, SIZE_MAX});
    const auto firstFields = items.begin() + std::ptrdiff_t(std::min(items.size(), kFlagFileFields));
    FUZZ_CHECK(size_t(yes) == size_t(std::count(items.begin(), firstFields, "Yes")), "the count is the Yes items");

    TrickleSource trickle(text);
    FUZZ_CHECK(readItems(trickle, {SIZE_MAX, SIZE_MAX}).items == items, "blocks change the items");
    constexpr size_t kFew = 5, kCap = 6;
    TextSource limited(text);
    const ItemsRead few = readItems(limited, {kFew, kCap});
    FUZZ_CHECK(few.items.size() == std::min(items.size(), kFew) && few.moreItems == (items.size() > kFew),
               "limits: " + std::to_string(few.items.size()) + " items of " + std::to_string(items.size()));
    for (size_t k = 0; k < few.items.size(); ++k)
        FUZZ_CHECK(few.items[k].size() <= kCap && items[k].compare(0, few.items[k].size(), few.items[k]) == 0,
                   "a cut item is a prefix: " + shown(few.items[k]) + " of " + shown(items[k]));

    std::string rewritten;
    for (const std::string& item : items) {
        const std::string line = quoteItem(item);
        FUZZ_CHECK(needsQuotes(item) == (line != item), "quoted exactly when needed: " + shown(item));
        const std::vector<std::string> alone = readItems(line + "\r\n", {SIZE_MAX, SIZE_MAX});
        FUZZ_CHECK(alone.size() == 1 && alone[0] == item, shown(item) + " written as " + shown(line));
        toNumber(item);
        rewritten += line + "\r\n";
    }
    const std::vector<std::string> again = readItems(rewritten, {SIZE_MAX, SIZE_MAX});
    FUZZ_CHECK(again == items, "the items written one a line read back differently:\n" + shown(rewritten));
    FUZZ_CHECK(countYesFields(rewritten) == yes, "the rewritten file counts differently");
    return 0;
}
