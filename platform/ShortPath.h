#pragma once
// The existing file whose path equals `path` but for the case of its letters
// (the sound players keep their file names in lower case); `path` itself when
// it exists, empty text when no such file exists.
#include <string>

namespace vrh {
std::string GetShortName(const std::string& path);
}
