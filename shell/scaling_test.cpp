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
    struct Case {
        int cw, ch, factor;
        PixelRect rect;
    };
    const Case cases[] = {
        {1920, 1080, 2, {637, 179, 646, 722}}, {1366, 768, 2, {360, 23, 646, 722}},
        {3840, 2160, 5, {1112, 177, 1615, 1805}},  // width would allow 11, height only 5
        {646, 722, 2, {0, 0, 646, 722}},           // exactly twice
        {645, 722, 1, {161, 180, 323, 361}},       // one short: back to 1
        {324, 359, 0, {0, 0, 324, 359}},           // the normal window: two rows short, so stretched
        {0, 0, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wholeScaleFactor(323, 361, c.cw, c.ch), c.factor) << c.cw << "x" << c.ch;
        EXPECT_EQ(presentRect(ScaleMode::WholeFactor, 323, 361, c.cw, c.ch), c.rect) << c.cw << "x" << c.ch;
    }
    EXPECT_EQ(presentRect(ScaleMode::Stretch, 323, 361, 1920, 1080), (PixelRect{0, 0, 1920, 1080}));
}

// Guards the settings line not being found in the forms a hand-edited file may hold.
TEST(Settings, ReadsTheValueWhateverSurroundsIt) {
    EXPECT_EQ(Settings{}.scaleMode(), ScaleMode::Stretch);
    EXPECT_TRUE(parseSettings("[Display]\r\nWholeNumberScaling = 1\r\n").wholeNumberScaling);
    EXPECT_TRUE(parseSettings("WholeNumberScaling=true").wholeNumberScaling);
    EXPECT_FALSE(parseSettings("[Display]\nWholeNumberScaling=0\n").wholeNumberScaling);
    EXPECT_EQ(parseSettings("\x01\xff garbage\n=\n[Display\nWholeNumberScaling=maybe\n"), Settings{});
}

// Guards the file's text and a save into a missing folder claiming success.
TEST(Settings, SavesItsOneLineAndReportsAFailedSave) {
    const test::ScratchFolder dir("vrh_settings_test");
    ASSERT_TRUE(saveSettings(dir / kSettingsFileName, Settings{true}));
    EXPECT_EQ(readTextFile(dir / kSettingsFileName), "[Display]\nWholeNumberScaling=1\n");
    EXPECT_FALSE(saveSettings(dir / "no" / "such" / "folder" / kSettingsFileName, Settings{true}));
}
