#include <gtest/gtest.h>

#include <sstream>

#include "shell/CommandLine.h"

// Guards the options answered (anywhere on the line) and the rest left to the game and Qt.
TEST(CommandLine, AnswersVersionAndHelpAndLeavesTheRestToTheGame) {
    const auto answer = [](std::vector<const char*> args) {  // the exit status, if any, and the output
        std::ostringstream out;
        const auto status = vrh::answerCommandLine(int(args.size()), args.data(), out);
        return (status ? std::to_string(*status) + ":" : "") + out.str();
    };
    const std::string version = std::string("0:varnholt ") + vrh::programVersion() + "\n";
    EXPECT_EQ(answer({"varnholt"}) + answer({"varnholt", "-platform", "xcb"}), "");
    EXPECT_EQ(answer({"varnholt", "--version"}), version);
    EXPECT_EQ(answer({"varnholt", "-v"}), version);
    EXPECT_EQ(answer({"varnholt", "--help"}).substr(0, 17), "0:Usage: varnholt");
    EXPECT_EQ(answer({"varnholt", "-platform", "xcb", "-h"}).substr(0, 17), "0:Usage: varnholt");
    EXPECT_STRNE(vrh::programVersion(), "unknown");  // the build passes its version in
}
