#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "shell/CommandLine.h"

namespace {

struct Case {
    std::vector<const char*> args;
    bool answered;
    std::string expectedStart;  // what the output begins with
};

TEST(CommandLine, AnswersVersionAndHelpAndLeavesTheRestToTheGame) {
    const std::string version = std::string("varnholt ") + vrh::programVersion() + "\n";
    const std::vector<Case> cases = {
        {{"varnholt"}, false, ""},
        {{"varnholt", "-platform", "xcb"}, false, ""},
        {{"varnholt", "--version"}, true, version},
        {{"varnholt", "-v"}, true, version},
        {{"varnholt", "--help"}, true, "Usage: varnholt"},
        {{"varnholt", "-platform", "xcb", "-h"}, true, "Usage: varnholt"},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        const auto status = vrh::answerCommandLine(int(c.args.size()), c.args.data(), out);
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(status.has_value(), c.answered);
        if (status) {
            EXPECT_EQ(*status, 0);
        }
        EXPECT_EQ(out.str().substr(0, c.expectedStart.size()), c.expectedStart);
        if (!c.answered) {
            EXPECT_TRUE(out.str().empty());
        }
    }
    EXPECT_STRNE(vrh::programVersion(), "unknown");  // the build passes its version in
}

TEST(CommandLine, HelpNamesTheFilesAndTheEnvironment) {
    const char* args[] = {"varnholt", "--help"};
    std::ostringstream out;
    vrh::answerCommandLine(2, args, out);
    for (const char* word : {"vrhhs.txt", "vrhsf.txt", "settings.ini", "XDG_DATA_HOME", "SDL_AUDIODRIVER"})
        EXPECT_NE(out.str().find(word), std::string::npos) << word;
}

}  // namespace
