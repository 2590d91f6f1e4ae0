// Where the 323 x 361 field lands in the game window, and the remembered
// choice between stretching and whole-number scaling.
#include <gtest/gtest.h>

#include "draw/Scaling.h"
#include "meta/TextFile.h"
#include "shell/Settings.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

// Guards the factor (the smaller of width and height), the centring, and the fallback to stretching.
TEST(Scaling, WholeFactorIsCentredAndTooSmallAClientStretches) {
    // the client's size, the factor, where the field goes
    const std::tuple<int, int, int, PixelRect> cases[] = {
        {1920, 1080, 2, {637, 179, 646, 722}},
        {1366, 768, 2, {360, 23, 646, 722}},
        {3840, 2160, 5, {1112, 177, 1615, 1805}},  // width would allow 11, height only 5
        {646, 722, 2, {0, 0, 646, 722}},
        {645, 722, 1, {161, 180, 323, 361}},  // exactly twice, one short
        {324, 359, 0, {0, 0, 324, 359}},      // the normal window: two rows short, so stretched
    };
    for (const auto& [cw, ch, factor, rect] : cases) {
        EXPECT_EQ(wholeScaleFactor(323, 361, cw, ch), factor) << cw << "x" << ch;
        EXPECT_EQ(presentRect(ScaleMode::WholeFactor, 323, 361, cw, ch), rect) << cw << "x" << ch;
    }
    EXPECT_EQ(presentRect(ScaleMode::Stretch, 323, 361, 1920, 1080), (PixelRect{0, 0, 1920, 1080}));
}

// Guards the settings line not found in the forms a hand-edited file may hold, the file's text,
// and a save into a missing folder claiming success.
TEST(Settings, ReadsTheLineWhateverSurroundsItAndWritesIt) {
    EXPECT_EQ(Settings{}.scaleMode(), ScaleMode::Stretch);
    for (const char* text : {"[Display]\r\nWholeNumberScaling = 1\r\n", "WholeNumberScaling=true"})
        EXPECT_TRUE(parseSettings(text).wholeNumberScaling) << text;
    for (const char* text :
         {"[Display]\nWholeNumberScaling=0\n", "\x01\xff garbage\n=\n[Display\nWholeNumberScaling=maybe\n"})
        EXPECT_FALSE(parseSettings(text).wholeNumberScaling) << text;
    const test::ScratchFolder dir("vrh_settings_test");
    ASSERT_TRUE(saveSettings(dir / kSettingsFileName, Settings{true}));
    EXPECT_EQ(readTextFile(dir / kSettingsFileName), "[Display]\nWholeNumberScaling=1\n");
    EXPECT_FALSE(saveSettings(dir / "no" / "such" / kSettingsFileName, Settings{true}));
}
