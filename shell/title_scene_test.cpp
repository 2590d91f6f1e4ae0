#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "platform/KeyState.h"
#include "platform/RecordingAudio.h"
#include "shell/TitleScene.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

namespace {
struct Title : ::testing::Test, TitleHost {
    void showNamePrompt() override { log += "name "; }
    void showLoadWindow() override { log += "load "; }
    void showHighScores() override { log += "scores "; }
    void unloadTitle() override { log += "unload "; }
    void toggleWindowState() override { log += "F1 "; }
    void SetUp() override {
        for (const MediaEntry& m : kMediaTable) std::ofstream(folder.string() + std::string(m.fileText));
        paths.compute(folder.string());
        scene.onLoad(200, 120);
    }
    int tick(int n = 1) {  // the entry highlighted after n ticks
        for (int i = 0; i < n; ++i, ys.push_back(scene.spriteY)) EXPECT_TRUE(scene.onAnimationTick(true));
        return scene.highlighted();
    }
    int tap(int vk) { return keys.tap(vk), tick(); }
    test::ScratchFolder folder{"vrh_title_scene"};  // the players need files to open
    std::string log;
    std::vector<int> ys;  // the ship's y after each tick
    RecordingAudio audio;
    Sounds snd{audio};
    GameState g;
    Globals globals;
    ScriptedKeys keys;
    MediaPaths paths;
    TitleScene scene{TitleServices{g, globals, keys, snd, paths, *this}};
};
}  // namespace

// Guards the ship's bobbing range and turning ticks, the strips' scrolling, growth and culling.
TEST_F(Title, ShipBobsAndStripsScroll) {
    tick(20);
    EXPECT_EQ(scene.titleBand1X, (std::vector<int>{-440, 40, 520})) << "a tile at 40 brings the next";
    EXPECT_EQ(scene.titleBand3X, scene.titleBand1X);
    tick(1);
    EXPECT_EQ(scene.titleBand2X, (std::vector<int>{-444, 36, 516})) << "tiles are never removed";
    EXPECT_EQ(scene.titleTopX, (std::vector<int>{-368, 112})) << "the top strip moves every tenth tick";
    tick(179);
    for (auto [t, y] : {std::pair{1, 183}, {43, 353}, {44, 353}, {45, 350}, {93, 179}, {94, 182}})
        EXPECT_EQ(ys[size_t(t - 1)], y) << "tick " << t;
    const auto [low, high] = std::minmax_element(ys.begin() + 43, ys.end());
    EXPECT_EQ(std::pair(*low, *high), std::pair(179, 353));
    tick(821);
    EXPECT_EQ(scene.titleBand1X.size(), 11u) << "one more tile every 120 ticks";
    Frame below, logo;
    scene.compose(below, logo);
    EXPECT_LT(below.ops.size(), 4 * scene.titleBand1X.size()) << "tiles far off the canvas are left out";
    EXPECT_EQ(below.ops.back().picture.pic, Pic::beeright) << "the ship over the strips";
}

// Guards the first-second lockout (a press then is dropped, not kept), menu wrapping, the repeat delay
// of a held key, opposed keys, the blip per move, and Quit leaving the end to the watchdog.
TEST_F(Title, MenuKeys) {
    keys.keyDown(13);
    tick(8);
    keys.keyUp(13);
    tap(13);  // the ninth tick
    EXPECT_FALSE(scene.inputArmed);
    tick(2);
    EXPECT_TRUE(scene.inputArmed && log.empty()) << log;
    EXPECT_EQ(tap(38), 3) << "Up from New Game is Quit";
    EXPECT_EQ(tap(40), 0) << "Down from Quit is New Game";
    keys.keyDown(40);
    EXPECT_EQ(tick(3), 1) << "held under 300 ms: one move";
    EXPECT_EQ(tick(2), 3) << "held past the delay: one move per tick";
    keys.keyDown(38);
    EXPECT_EQ(tick(3), 3) << "both together move nothing";
    EXPECT_EQ(audio.count("play " + snd.menuMoveSound.fileName()), 5);
    keys.releaseAll();
    tap(13);
    EXPECT_FALSE(globals.flags.mainMenuShowing) << "Quit";
    EXPECT_EQ(log, "") << "Quit leaves the end to the watchdog";
}

// Guards the positions at which the theme's loop takes over and restarts.
TEST_F(Title, TitleThemeHandsOverAndLoops) {
    const std::string d1 = snd.titleOpeningSound.fileName(), d2 = snd.titleLoopSound.fileName();
    for (auto [pos1, mode2, pos2, plays] : {std::tuple{25649, TrackMode::Stopped, 0, 0},
                                            {25650, TrackMode::Stopped, 0, 1},
                                            {25700, TrackMode::Playing, 80879, 1},
                                            {25700, TrackMode::Playing, 80880, 2}}) {
        audio.answers[d1].positionMs = pos1;
        audio.answers[d2] = {mode2, 0, pos2};
        scene.onThemeTick();
        EXPECT_EQ(audio.count("play " + d2), plays) << pos1 << " " << pos2;
    }
}
