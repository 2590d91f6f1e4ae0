#pragma once
// The two questions the program answers on its command line without opening
// a window (or needing a display): --version and --help. Anything else is
// left to Qt (-platform, -display ...) and the game starts as usual.
#include <optional>
#include <ostream>

namespace vrh {

// The version the build was made from ("1.0").
const char* programVersion();

// Answers --version or --help (also -v, -h) on `out` and returns the exit
// status; std::nullopt when the program should start the game.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out);

}  // namespace vrh
