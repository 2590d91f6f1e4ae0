#pragma once
// Reading and writing the items of the game's text files (high scores, save
// slots, the media flag file).
//
// A file is a sequence of items separated by commas and line ends (CR LF, LF
// or a lone CR):
//   - blanks (spaces, tabs) at the start of an item are skipped; blanks at its
//     end are kept;
//   - an item that starts with a double quote runs to the closing quote,
//     commas included; the quotes are removed and whatever follows the
//     closing quote up to the next separator is ignored; a quote not closed
//     on its own line ends at the line end, so one damaged name never
//     swallows the entries after it;
//   - inside a quoted item two double quotes in a row stand for one double
//     quote (files written by older versions never hold that sequence in a
//     quoted item, so they read as before);
//   - an empty line is an empty item; a line end at the very end of the text
//     does not start another item, a comma does.
//
// quoteItem is the writing side: a file holds one value per line, so line
// breaks in the text become blanks; the text is then returned unchanged when
// it would read back as one item exactly as it is, and otherwise wrapped in
// quotes with the quotes inside doubled. Every string without line breaks
// (and within kMaxItemBytes) round-trips: readItems(quoteItem(s) + "\r\n") == { s }.
//
// Readers stop after the items they need and keep at most a few kilobytes of
// any one item, so a huge or hostile file costs one pass over its bytes at
// most and no more memory than a small one.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrh {

// Where the bytes come from: text in memory or an open file, block by block.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `max` bytes into `into`; 0 at the end (or when reading failed).
    virtual size_t read(char* into, size_t max) = 0;
};

class TextSource : public ByteSource {
public:
    explicit TextSource(std::string_view text) : text_(text) {}
    size_t read(char* into, size_t max) override;

private:
    std::string_view text_;
};

// A value longer than this is cut (at a character boundary); no name, number
// or gun the game writes comes near it.
inline constexpr size_t kMaxItemBytes = 4096;

struct ItemLimits {
    size_t maxItems = SIZE_MAX;
    size_t maxItemBytes = kMaxItemBytes;
};

struct ItemsRead {
    std::vector<std::string> items;  // at most limits.maxItems
    bool moreItems = false;          // the source holds items past those
};

ItemsRead readItems(ByteSource& source, const ItemLimits& limits);
std::vector<std::string> readItems(std::string_view text, const ItemLimits& limits = {});

// True when `text` must be quoted to read back as itself.
bool needsQuotes(std::string_view text);
std::string quoteItem(std::string_view text);

// Strict reading of a number: optional blanks, an optional sign, digits with
// an optional decimal point (".5" and "5." count), an optional exponent
// ("E+15", "e-3", "D2"), optional blanks, and nothing else. Anything else,
// including empty text, is not a number. Independent of the C locale.
std::optional<double> toNumber(std::string_view text);

// Where a number belongs, text that is not one ranks as 0.
double toNumberOr0(std::string_view text);

}  // namespace vrh
