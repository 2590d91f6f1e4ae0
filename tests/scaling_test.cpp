// Where the 323 x 361 field lands in the game window, and the remembered
// choice between stretching and whole-number scaling.
#include <gtest/gtest.h>

#include <filesystem>

#include "combat/Scaling.h"
#include "meta/TextFile.h"
#include "shell/Settings.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;

namespace {

constexpr int kW = 323;
constexpr int kH = 361;

PixelRect whole(int cw, int ch) { return presentRect(ScaleMode::WholeFactor, kW, kH, cw, ch); }

}  // namespace

TEST(Scaling, StretchCoversTheWholeClient) {
    EXPECT_EQ(presentRect(ScaleMode::Stretch, kW, kH, 1920, 1080), (PixelRect{0, 0, 1920, 1080}));
    EXPECT_EQ(presentRect(ScaleMode::Stretch, kW, kH, 324, 359), (PixelRect{0, 0, 324, 359}));
}

TEST(Scaling, WholeFactorIsCentredOnCommonScreens) {
    EXPECT_EQ(wholeScaleFactor(kW, kH, 1920, 1080), 2);
    EXPECT_EQ(whole(1920, 1080), (PixelRect{637, 179, 646, 722}));
    EXPECT_EQ(wholeScaleFactor(kW, kH, 1366, 768), 2);
    EXPECT_EQ(whole(1366, 768), (PixelRect{360, 23, 646, 722}));
    EXPECT_EQ(wholeScaleFactor(kW, kH, 3840, 2160), 5);  // width would allow 11, height only 5
    EXPECT_EQ(whole(3840, 2160), (PixelRect{1112, 177, 1615, 1805}));
}

TEST(Scaling, WholeFactorAtTheEdges) {
    EXPECT_EQ(whole(646, 722), (PixelRect{0, 0, 646, 722}));  // exactly twice
    EXPECT_EQ(whole(645, 722), (PixelRect{161, 180, 323, 361}));  // one short: back to 1
    EXPECT_EQ(whole(323, 361), (PixelRect{0, 0, 323, 361}));
}

TEST(Scaling, TooSmallForTheFieldFallsBackToStretch) {
    // The normal window: one column wider, two rows shorter than the field.
    EXPECT_EQ(wholeScaleFactor(kW, kH, 324, 359), 0);
    EXPECT_EQ(whole(324, 359), (PixelRect{0, 0, 324, 359}));
    EXPECT_EQ(whole(0, 0), (PixelRect{0, 0, 0, 0}));
}

TEST(Settings, DefaultIsStretch) {
    EXPECT_FALSE(Settings{}.wholeNumberScaling);
    EXPECT_EQ(Settings{}.scaleMode(), ScaleMode::Stretch);
    EXPECT_EQ(parseSettings(""), Settings{});
    EXPECT_EQ(parseSettings("\x01\xff garbage\n=\n[Display\nWholeNumberScaling=maybe\n"), Settings{});
}

TEST(Settings, ReadsTheValueWhateverSurroundsIt) {
    EXPECT_TRUE(parseSettings("[Display]\r\nWholeNumberScaling = 1\r\n").wholeNumberScaling);
    EXPECT_TRUE(parseSettings("WholeNumberScaling=true").wholeNumberScaling);
    EXPECT_FALSE(parseSettings("[Display]\nWholeNumberScaling=0\n").wholeNumberScaling);
    EXPECT_EQ(parseSettings("WholeNumberScaling=1").scaleMode(), ScaleMode::WholeFactor);
}

TEST(Settings, SaveAndLoadRoundTripAndMissingFileIsDefault) {
    const test::ScratchFolder dir("vrh_settings_test");
    const fs::path file = dir / kSettingsFileName;
    EXPECT_EQ(loadSettings(file), Settings{});
    ASSERT_TRUE(saveSettings(file, Settings{true}));
    EXPECT_EQ(readTextFile(file), "[Display]\nWholeNumberScaling=1\n");
    EXPECT_TRUE(loadSettings(file).wholeNumberScaling);
    ASSERT_TRUE(saveSettings(file, Settings{false}));
    EXPECT_FALSE(loadSettings(file).wholeNumberScaling);
    EXPECT_FALSE(saveSettings(dir / "no" / "such" / "folder" / kSettingsFileName, Settings{true}));
}
