#pragma once
// Stand-in of the 8.3 short-path query: Linux paths need no short form, so
// the answer is the path itself when the file exists and empty text when not.
#include <string>

namespace vrh {
std::string GetShortName(const std::string& path);
}
