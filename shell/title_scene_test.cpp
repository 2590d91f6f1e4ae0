#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/KeyState.h"
#include "platform/RecordingAudio.h"
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
    test::ScratchFolder folder{"vrh_title_scene"};  // the players need files to open

    void SetUp() override {
        for (const MediaEntry& m : kMediaTable) std::ofstream(folder.string() + std::string(m.fileText));
        paths.compute(folder.string());
        scene.onLoad(200, 120);
    }
    void tick(int n = 1, bool inFront = true) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(scene.onAnimationTick(inFront));
    }
    void tap(int vk) {
        keys.tap(vk);
        tick();
    }
    int count(const std::string& call) const { return audio.count(call); }

    RecordingAudio audio;
    Sounds snd{audio};
    GameState g;
    Globals globals;
    ScriptedKeys keys;
    MediaPaths paths;
    Host host;
    TitleScene scene{TitleServices{g, globals, keys, snd, paths, host}};
};

}  // namespace

// Guards the ship's bobbing range and its turning ticks.
TEST_F(Title, ShipBobsBetween179And353) {
    std::vector<int> ys;
    for (int i = 0; i < 200; ++i) {
        tick();
        ys.push_back(scene.spriteY);
    }
    const std::pair<int, int> at[] = {{1, 183}, {43, 353}, {44, 353}, {45, 350}, {93, 179}, {94, 182}};
    for (auto [t, y] : at) EXPECT_EQ(ys[size_t(t - 1)], y) << "tick " << t;
    EXPECT_EQ(*std::min_element(ys.begin() + 43, ys.end()), 179);
    EXPECT_EQ(*std::max_element(ys.begin() + 43, ys.end()), 353);
}

// Guards the strip scrolling, tile growth and the culling of tiles off the canvas.
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
    EXPECT_EQ(below.ops.back().picture.pic, Pic::beeright) << "the ship over the strips";
}

// Guards the first-second lockout: a press from then is dropped, not kept for later.
TEST_F(Title, StartInTheFirstSecondIsIgnored) {
    keys.keyDown(13);
    tick(8);
    keys.keyUp(13);
    tap(13);  // the ninth tick
    EXPECT_FALSE(scene.inputArmed);
    tick(2);
    EXPECT_TRUE(scene.inputArmed);
    EXPECT_TRUE(host.log.empty());
    tap(13);
    EXPECT_EQ(host.log, (std::vector<std::string>{"name"}));
}

// Guards menu wrapping, held and opposed keys, the blip count and Quit.
TEST_F(Title, UpAndDownWrapAndBlip) {
    tick(10);
    tap(38);
    EXPECT_EQ(scene.highlighted(), 3) << "Up from New Game is Quit";
    tap(40);
    EXPECT_EQ(scene.highlighted(), 0) << "Down from Quit is New Game";
    keys.keyDown(40);
    tick(3);
    EXPECT_EQ(scene.highlighted(), 1) << "held under 300 ms: one move";
    tick(2);
    EXPECT_EQ(scene.highlighted(), 3) << "held past the delay: one move per tick";
    keys.keyDown(38);
    tick(3);
    EXPECT_EQ(scene.highlighted(), 3) << "both together move nothing";
    EXPECT_EQ(count("play " + snd.menuMoveSound.fileName()), 5);
    keys.releaseAll();
    tap(13);
    EXPECT_FALSE(globals.flags.mainMenuShowing) << "Quit";
    EXPECT_TRUE(host.log.empty()) << "Quit leaves the end to the watchdog";
}

// Guards the positions at which the theme's loop takes over and restarts.
TEST_F(Title, TitleThemeHandsOverAndLoops) {
    const std::string d1 = snd.titleOpeningSound.fileName(), d2 = snd.titleLoopSound.fileName();
    const auto step = [&](int64_t pos1, TrackMode mode2, int64_t pos2) {
        audio.answers[d1].positionMs = pos1;
        audio.answers[d2] = {mode2, 0, pos2};
        scene.onThemeTick();
        return count("play " + d2);
    };
    EXPECT_EQ(step(25649, TrackMode::Stopped, 0), 0) << "the opening is still playing";
    EXPECT_EQ(step(25650, TrackMode::Stopped, 0), 1);
    EXPECT_EQ(step(25700, TrackMode::Playing, 80879), 1);
    EXPECT_EQ(step(25700, TrackMode::Playing, 80880), 2) << "restarted at its end";
}
