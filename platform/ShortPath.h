#pragma once
// Stand-in of the 8.3 short-path query: Linux paths need no short form, so
// the answer is the path of the file when it exists (found regardless of the
// case of its letters, as Windows would) and empty text when it does not.
#include <string>

namespace vrh {
std::string GetShortName(const std::string& path);
}
