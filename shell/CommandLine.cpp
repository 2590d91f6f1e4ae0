#include "shell/CommandLine.h"

#include <string_view>

#ifndef VARNHOLT_VERSION
#define VARNHOLT_VERSION "unknown"
#endif

namespace vrh {

namespace {

constexpr std::string_view kUsage =
    "Usage: varnholt [--help | --version]\n"
    "\n"
    "Varnholt, an arcade shooter: fly the bee, shatter the big tank.\n"
    "Without options the game starts with its title menu.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Files: the game keeps its files in the folder of the executable, or, when\n"
    "that folder cannot be written (an installed copy), in $XDG_DATA_HOME/varnholt\n"
    "(~/.local/share/varnholt when XDG_DATA_HOME is unset):\n"
    "  vrhhs.txt     the high-score table\n"
    "  vrhsf.txt     the three save slots\n"
    "  settings.ini  the sharp-pixels choice\n"
    "  ws.txt        whether the music and effects are written out at the next start\n"
    "  *.mp3, *.wav  the music and effects, written there on the first start\n"
    "\n"
    "Environment:\n"
    "  XDG_DATA_HOME     where the game's folder is made (see above)\n"
    "  HOME              used when XDG_DATA_HOME is unset\n"
    "  DISPLAY           the X display to open the windows on\n"
    "  QT_QPA_PLATFORM   Qt's window-system plugin (xcb by default)\n"
    "  SDL_AUDIODRIVER   SDL's sound driver (\"dummy\" for silence)\n"
    "  VARNHOLT_PRESENT  \"cpu\": the game enlarges the play field itself instead of\n"
    "                    leaving it to the X server (RENDER), to compare the two\n";

}  // namespace

const char* programVersion() { return VARNHOLT_VERSION; }

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version" || arg == "-v") {
            out << "varnholt " << programVersion() << '\n';
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace vrh
