#include <gtest/gtest.h>

#include "shell/Credits.h"
#include "audio/MusicTracks.h"

using namespace vrh;

namespace {
const char* kFile =
    "# music credits\r\n"
    "  Title Fanfare ~  Ben Cole  \r\n"
    "Ice Cap Act 1 ~ Ada Brook\r\n"
    "no separator here\n"
    " ~ nobody\n"
    "Tank shot ~ Cy Dale\n"
    "\n"
    "kind: music\n"
    "title: Ice Cap Act 1\n"
    "\n"
    "kind: soundfont\n"
    "name: Fluid\n"
    "credit: by Frank Wen,\n"
    "  and others\n"
    "copyright: (C) 2008\n"
    "licence: MIT\n";
}  // namespace

TEST(Credits, MusicLinesTracksInOrderThenTitleMusic) {
    const auto lines = musicCreditLines(kFile);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[8], "Ice Cap Act 1 ~ Ada Brook");
    EXPECT_EQ(lines[5], "Crush'em All for weapons ~ the Varnholt team") << "not in the file: the team";
    EXPECT_EQ(lines[10], "Title Fanfare ~ Ben Cole") << "trimmed; the first piece that is no game track";

    const auto none = musicCreditLines("");
    ASSERT_EQ(none.size(), 11u);
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(none[i].rfind(std::string(kTrackTitles[i]) + " ~ ", 0), 0u);
    EXPECT_EQ(none[10], "Varnholt Title Theme ~ the Varnholt team");
}

TEST(Credits, SoundsAndThanks) {
    EXPECT_EQ(soundCreditLines(kFile), (std::vector<std::string>{"Tank shot ~ Cy Dale"}));
    const auto records = parseCreditRecords(kFile);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(recordValue(records[1], "credit"), "by Frank Wen, and others") << "continued value";
    EXPECT_EQ(thanksLines(kFile), (std::vector<std::string>{"Fluid: by Frank Wen, and others. (C) 2008. Licence: MIT."}));
}
