#pragma once
// Reading and writing the items of the game's text files (high scores, save
// slots, the media flag file).
//
// A file is a sequence of items separated by commas and line ends (CR LF, LF
// or a lone CR):
//   - blanks (spaces, tabs) at the start of an item are skipped; blanks at its
//     end are kept;
//   - an item that starts with a double quote runs to the closing quote, line
//     ends and commas included; the quotes are removed and whatever follows
//     the closing quote up to the next separator is ignored; an unclosed quote
//     runs to the end of the text;
//   - inside a quoted item two double quotes in a row stand for one double
//     quote (files written by older versions never hold that sequence in a
//     quoted item, so they read as before);
//   - an empty line is an empty item; a line end at the very end of the text
//     does not start another item, a comma does.
//
// quoteItem is the writing side: it returns the text unchanged when it would
// read back as one item exactly as it is, and otherwise wraps it in quotes and
// doubles the quotes inside. Every string round-trips:
//   readItems(quoteItem(s) + "\r\n") == { s }.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrh {

std::vector<std::string> readItems(std::string_view text);

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
