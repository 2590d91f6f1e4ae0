#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/KeyState.h"
#include "platform/Mci.h"
#include "shell/TitleScene.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

namespace {

struct Host : TitleHost {
    std::vector<std::string> log;
    void showNamePrompt() override { log.push_back("name"); }
    void showLoadWindow() override { log.push_back("load"); }
    void showHighScores() override { log.push_back("scores"); }
    void unloadTitle() override { log.push_back("unload"); }
    void toggleWindowState() override { log.push_back("F1"); }
};

struct Title : ::testing::Test {
    // The players need files of their own to get device names.
    test::ScratchFolder folder{"vrh_title_scene"};

    void SetUp() override {
        for (const MediaEntry& m : kMediaTable) std::ofstream(folder.string() + std::string(m.fileText));
        paths.compute(folder.string());
        scene.Form_Load(200, 120);
    }
    void tick(int n = 1, bool inFront = true) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(scene.tmrMove_Timer(inFront));
    }
    int count(const std::string& cmd) const { return int(std::count(mci.commands.begin(), mci.commands.end(), cmd)); }

    RecordingMci mci;
    Sounds snd{mci};
    GameState g;
    Globals globals;
    ScriptedKeys keys;
    MediaPaths paths;
    Host host;
    TitleScene scene{TitleServices{g, globals, keys, snd, paths, host}};
};

}  // namespace

TEST_F(Title, ShipBobsBetween179And353) {
    std::vector<int> ys;
    for (int i = 0; i < 200; ++i) {
        tick();
        ys.push_back(scene.spriteY);
    }
    EXPECT_EQ(ys[0], 183);
    EXPECT_EQ(ys[42], 353) << "tick 43";
    EXPECT_EQ(ys[43], 353) << "tick 44 only turns";
    EXPECT_EQ(ys[44], 350);
    EXPECT_EQ(*std::min_element(ys.begin() + 43, ys.end()), 179);
    EXPECT_EQ(*std::max_element(ys.begin() + 43, ys.end()), 353);
    EXPECT_EQ(ys[92], 179) << "tick 93 turns at the top";
    EXPECT_EQ(ys[93], 182);
}

TEST_F(Title, StripsScrollAndGrow) {
    tick(20);
    EXPECT_EQ(scene.titleBand1X, (std::vector<int>{-440, 40, 520})) << "a tile at 40 brings the next";
    EXPECT_EQ(scene.titleBand3X, scene.titleBand1X);
    tick();
    EXPECT_EQ(scene.titleBand2X, (std::vector<int>{-444, 36, 516})) << "tiles are never removed";
    EXPECT_EQ(scene.titleTopX, (std::vector<int>{-368, 112})) << "the top strip moves every tenth tick";
    tick(1000);
    EXPECT_EQ(scene.titleBand1X.size(), 11u) << "one more tile every 120 ticks";
    Frame below, logo;
    scene.compose(below, logo);
    EXPECT_LT(below.ops.size(), 4 * scene.titleBand1X.size()) << "tiles far off the canvas are left out";
    EXPECT_EQ(below.ops.back().picture.pic, Pic::beeright);
    ASSERT_EQ(logo.ops.size(), 1u);
    EXPECT_EQ(logo.ops[0].w, 200);
}

TEST_F(Title, StartInTheFirstSecondIsIgnored) {
    keys.keyDown(13);
    tick(8);
    keys.keyUp(13);
    keys.tap(13);  // tapped during the ninth tick
    tick();
    EXPECT_FALSE(scene.inputArmed);
    tick();
    EXPECT_TRUE(scene.inputArmed);
    tick();
    EXPECT_TRUE(host.log.empty()) << "a press from the first second is not kept";
    keys.tap(13);
    tick();
    EXPECT_EQ(host.log, (std::vector<std::string>{"name"}));
    tick(40000);
    EXPECT_EQ(scene.ticksSinceLoad, 10) << "the counter rests at 10";
    EXPECT_EQ(scene.frameTick, (40012 - 1) % 10 + 1) << "1..10";
}

TEST_F(Title, KeysCountOnlyInFront) {
    tick(12, false);
    EXPECT_FALSE(scene.inputArmed);
    EXPECT_EQ(scene.spriteY, 227) << "the ship moves on";
    tick();
    EXPECT_TRUE(scene.inputArmed) << "armed once in front";
    keys.keyDown(40);
    keys.keyDown(13);
    tick(1, false);
    keys.releaseAll();
    EXPECT_EQ(scene.highlighted(), 0);
    EXPECT_TRUE(host.log.empty());
    keys.tap(112);
    tick(1, false);
    EXPECT_EQ(host.log, (std::vector<std::string>{"F1"})) << "F1 does not look at the active mark";
}

TEST_F(Title, UpAndDownWrapAndBlip) {
    tick(10);
    const std::string blip = "Play " + snd.sndMenuMove.deviceName();
    keys.tap(38);
    tick();
    EXPECT_EQ(scene.highlighted(), 3) << "Up from New Game is Quit";
    EXPECT_EQ(scene.lblQuit.ForeColor, kMenuHighlight);
    EXPECT_EQ(scene.lblStart.Tag, "0");
    EXPECT_EQ(scene.lblStart.ForeColor, kMenuNormal);
    keys.tap(40);
    tick();
    EXPECT_EQ(scene.highlighted(), 0) << "Down from Quit is New Game";
    keys.keyDown(40);
    tick(2);
    EXPECT_EQ(scene.highlighted(), 2) << "a held key moves once per tick";
    keys.keyDown(38);
    tick(3);
    EXPECT_EQ(scene.highlighted(), 2) << "both together move nothing";
    EXPECT_EQ(count(blip), 4);

    keys.releaseAll();
    keys.tap(40);
    tick();
    keys.tap(13);
    tick();
    EXPECT_FALSE(globals.flags.mainMenuShowing) << "Quit";
    EXPECT_TRUE(host.log.empty()) << "Quit leaves the end to the watchdog";
}

TEST_F(Title, TitleThemeHandsOverAndLoops) {
    const std::string d1 = snd.sndTitle1.deviceName(), d2 = snd.sndTitle2.deviceName();
    const auto step = [&](const char* pos1, const char* mode2, const char* pos2) {
        mci.replies["Status " + d1 + " position"] = pos1;
        mci.replies["Status " + d2 + " mode"] = mode2;
        mci.replies["Status " + d2 + " position"] = pos2;
        scene.tmrsound_Timer();
        return count("Play " + d2);
    };
    EXPECT_EQ(step("25649", "stopped", "0"), 0) << "the opening part is still playing";
    EXPECT_EQ(step("25650", "stopped", "0"), 1);
    EXPECT_EQ(step("25700", "playing", "80879"), 1);
    EXPECT_EQ(step("25700", "playing", "80880"), 2) << "restarted at its end";
}
