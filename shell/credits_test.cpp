#include <gtest/gtest.h>

#include "audio/MusicTracks.h"
#include "shell/Credits.h"

using namespace vrh;

// Guards the credit lines: each game track in order (the team where the file names none), then the
// file's first piece that is no game track as the title music, then the sounds; comments, lines
// without " ~ " and empty parts skipped; records with continued values for the thanks.
TEST(Credits, TracksTitleMusicSoundsAndThanks) {
    const char* file =
        "# music credits ~ not a piece\r\n"
        "  Title Fanfare ~  Ben Cole  \r\n"
        "Ice Cap Act 1 ~ Ada Brook\r\n"
        "no separator here\n"
        " ~ nobody\n"
        "Tank shot ~ Cy Dale\n"
        "\nkind: music\ntitle: Ice Cap Act 1\n\n"
        "kind: soundfont\nname: Fluid\ncredit: by Frank Wen,\n  and others\ncopyright: (C) 2008\nlicence: "
        "MIT\n";
    const auto lines = musicCreditLines(file);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[8], "Ice Cap Act 1 ~ Ada Brook");
    EXPECT_EQ(lines[5], "Crush'em All for weapons ~ the Varnholt team");
    EXPECT_EQ(lines[10], "Title Fanfare ~ Ben Cole");
    EXPECT_EQ(soundCreditLines(file), (std::vector<std::string>{"Tank shot ~ Cy Dale"}));
    EXPECT_EQ(thanksLines(file),
              (std::vector<std::string>{"Fluid: by Frank Wen, and others. (C) 2008. Licence: MIT."}));
    EXPECT_EQ(musicCreditLines("")[0], std::string(kTrackTitles[0]) + " ~ the Varnholt team");
    EXPECT_EQ(musicCreditLines("")[10], "Varnholt Title Theme ~ the Varnholt team");
}
