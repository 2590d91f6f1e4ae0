#pragma once
// One value of the high-score or save-slot file: nothing yet (a slot never
// filled), text (everything read from a file is text, numbers included), or
// a number the game itself just put there.
//
// Writing (fileLine): a number in the print form (" 47000 "), text unchanged
// unless it needs quotes to read back as one item (see quoteItem), nothing as
// an empty line.
#include <optional>
#include <string>
#include <variant>

namespace vrh {

using FileValue = std::variant<std::monostate, std::string, double>;

// Empty, or text of length 0.
bool isBlankValue(const FileValue& v);

// The line that represents v in a file, without its line end.
std::string fileLine(const FileValue& v);

// What a window shows for v: text as stored, a number in the caption format.
std::string displayText(const FileValue& v);

// The value as a number, if it is one (text is read strictly, nothing is none).
std::optional<double> numberValue(const FileValue& v);

// For ranking: anything that is not a number counts as 0.
double rankValue(const FileValue& v);

}  // namespace vrh
