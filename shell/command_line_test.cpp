#include <gtest/gtest.h>

#include <sstream>

#include "shell/CommandLine.h"

// Guards the options answered (anywhere on the line) and the rest left to the game and Qt.
TEST(CommandLine, AnswersVersionAndHelpAndLeavesTheRestToTheGame) {
    const std::string version = std::string("varnholt ") + vrh::programVersion() + "\n";
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{"varnholt"}, ""},
        {{"varnholt", "-platform", "xcb"}, ""},
        {{"varnholt", "--version"}, version},
        {{"varnholt", "-v"}, version},
        {{"varnholt", "--help"}, "Usage: varnholt"},
        {{"varnholt", "-platform", "xcb", "-h"}, "Usage: varnholt"},
    };
    for (const auto& [args, start] : cases) {
        std::ostringstream out;
        const auto status = vrh::answerCommandLine(int(args.size()), args.data(), out);
        EXPECT_EQ(status, start.empty() ? std::nullopt : std::optional(0)) << args.back();
        EXPECT_EQ(out.str().substr(0, start.empty() ? std::string::npos : start.size()), start)
            << args.back();
    }
    EXPECT_STRNE(vrh::programVersion(), "unknown");  // the build passes its version in
}
