// The shell: the command line, the key names of the binding boxes, the credits, the media written out at
// the start, where the field lands in the window and the setting that chooses it; the title scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <tuple>

#include "audio/MusicTracks.h"
#include "draw/Scaling.h"
#include "meta/TextFile.h"
#include "platform/KeyState.h"
#include "platform/RecordingAudio.h"
#include "shell/CommandLine.h"
#include "shell/Credits.h"
#include "shell/Extraction.h"
#include "shell/KeyNames.h"
#include "shell/Settings.h"
#include "shell/TitleScene.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

// Guards the options answered (anywhere on the line) and the rest left to the game and Qt.
TEST(CommandLine, AnswersVersionAndHelpAndLeavesTheRestToTheGame) {
    const auto answer = [](std::vector<const char*> args) {  // the exit status, if any, and the output
        std::ostringstream out;
        const auto status = answerCommandLine(int(args.size()), args.data(), out);
        return (status ? std::to_string(*status) + ":" : "") + out.str();
    };
    const std::string version = std::string("0:varnholt ") + programVersion() + "\n";
    EXPECT_EQ(answer({"varnholt"}) + answer({"varnholt", "-platform", "xcb"}), "");
    EXPECT_EQ(answer({"varnholt", "--version"}) + answer({"varnholt", "-v"}), version + version);
    for (auto args : {std::vector{"varnholt", "--help"}, {"varnholt", "-platform", "xcb", "-h"}})
        EXPECT_EQ(answer(args).substr(0, 17), "0:Usage: varnholt");
    EXPECT_STRNE(programVersion(), "unknown");  // the build passes its version in
}

// Guards the names' order in the binding boxes, their codes, and lookups being exact.
TEST(KeyNames, FiftyFourNamesInBoxOrderWithExactLookups) {
    const auto& list = keyNameList();
    const std::pair<size_t, std::pair<std::string_view, int>> at[] = {
        {0, {"A", 65}},           {25, {"Z", 90}},         {26, {"0", 48}},       {35, {"9", 57}},
        {36, {"SpaceBar", 32}},   {37, {"Shift", 16}},     {38, {"Enter", 13}},   {39, {"Tab", 9}},
        {40, {"NumPad0", 96}},    {49, {"NumPad9", 105}},  {50, {"UpArrow", 38}}, {51, {"DownArrow", 40}},
        {52, {"RightArrow", 39}}, {53, {"LeftArrow", 37}},
    };
    for (const auto& [i, key] : at) EXPECT_EQ(std::pair(list[i].name, list[i].code), key) << i;
    for (const KeyName& k : list)  // both ways, so no code twice
        EXPECT_TRUE(keyCodeOf(k.name) == k.code && keyNameOf(k.code) == k.name) << k.name;
    for (const char* name : {"Spacebar", "m", "Enter ", ""}) EXPECT_FALSE(keyCodeOf(name)) << name;
    EXPECT_FALSE(keyNameOf(112)) << "F1 cannot be bound";
}

// Guards the game tracks in order (else the team), the first other piece as title music, then sounds;
// comments, lines without " ~ " and empty parts skipped; records with continued values for the thanks.
TEST(Credits, TracksTitleMusicSoundsAndThanks) {
    const char* file =
        "# music credits ~ not a piece\r\n  Title Fanfare ~  Ben Cole  \r\nIce Cap Act 1 ~ Ada Brook\r\n"
        "no separator here\n ~ nobody\nTank shot ~ Cy Dale\n\nkind: music\ntitle: Ice Cap Act 1\n\n"
        "kind: soundfont\nname: Fluid\ncredit: by Frank Wen,\n  and others\ncopyright: (C) 2008\nlicence: "
        "MIT\n";
    const auto lines = musicCreditLines(file);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(
        lines[5] + "|" + lines[8] + "|" + lines[10],
        "Crush'em All for weapons ~ the Varnholt team|Ice Cap Act 1 ~ Ada Brook|Title Fanfare ~ Ben Cole");
    EXPECT_EQ(soundCreditLines(file), (std::vector<std::string>{"Tank shot ~ Cy Dale"}));
    EXPECT_EQ(thanksLines(file),
              (std::vector<std::string>{"Fluid: by Frank Wen, and others. (C) 2008. Licence: MIT."}));
    const auto team = musicCreditLines("");
    EXPECT_EQ(team[0] + "|" + team[10],
              std::string(kTrackTitles[0]) + " ~ the Varnholt team|Varnholt Title Theme ~ the Varnholt team");
}

// Guards the bytes unchanged, an old file kept unless overwriting or no medium, failed writes, the notice.
TEST(Extraction, ResToFileWritesTheBytesUnchanged) {
    struct OneMedium : ResourceSource {
        std::optional<std::string> LoadResData(int id) const override {
            return id == 119 ? std::optional(std::string("RIFF\0\r\n\x80", 8)) : std::nullopt;
        }
    } media;
    const test::ScratchFolder dir("vrh_restofile");
    const auto file = dir / "ts.wav";
    const std::tuple<bool, int, bool, ResToFileResult, std::string> steps[] = {
        // an old file first?
        {false, 119, false, ResToFileResult::Written, *media.LoadResData(119)},
        {true, 119, false, ResToFileResult::AlreadyExists, "old"},
        {false, 119, true, ResToFileResult::Written, *media.LoadResData(119)},
        {true, 101, true, ResToFileResult::NoResource, "old"},
    };
    for (const auto& [old, id, overwrite, result, bytes] : steps) {
        if (old) std::ofstream(file, std::ios::binary) << "old";
        EXPECT_EQ(ResToFile(file, id, media, overwrite), result) << id << " " << overwrite;
        EXPECT_EQ(readTextFile(file), bytes);
    }
    EXPECT_EQ(ResToFile(dir / "missing" / "x.wav", 119, media, true), ResToFileResult::WriteFailed);
    EXPECT_NE(unwritableFolderNotice("/opt/vh").find("\"/opt/vh\""), std::string::npos);
}

// Guards the factor (the smaller of width and height), the centring, the fallback to stretching; the
// setting's line as a hand-edited file may hold it, the file's text, and a failed save unreported.
TEST(Scaling, WholeFactorIsCentredTooSmallAClientStretchesAndTheSettingChoosesIt) {
    const std::tuple<int, int, int, PixelRect> cases[] = {
        // client size, factor, field (324 x 359: too small)
        {1920, 1080, 2, {637, 179, 646, 722}},    {1366, 768, 2, {360, 23, 646, 722}},
        {3840, 2160, 5, {1112, 177, 1615, 1805}}, {646, 722, 2, {0, 0, 646, 722}},
        {645, 722, 1, {161, 180, 323, 361}},      {324, 359, 0, {0, 0, 324, 359}},
    };
    for (const auto& [cw, ch, factor, rect] : cases) {
        EXPECT_EQ(wholeScaleFactor(323, 361, cw, ch), factor) << cw << "x" << ch;
        EXPECT_EQ(presentRect(ScaleMode::WholeFactor, 323, 361, cw, ch), rect) << cw << "x" << ch;
    }
    EXPECT_EQ(presentRect(ScaleMode::Stretch, 323, 361, 1920, 1080), (PixelRect{0, 0, 1920, 1080}));
    EXPECT_EQ(Settings{}.scaleMode(), ScaleMode::Stretch);
    std::string read;
    for (const char* text :
         {"[Display]\r\nWholeNumberScaling = 1\r\n", "WholeNumberScaling=true",
          "[Display]\nWholeNumberScaling=0\n", "\x01\xff junk\n=\n[Display\nWholeNumberScaling=maybe\n"})
        read += parseSettings(text).wholeNumberScaling ? '1' : '0';
    EXPECT_EQ(read, "1100");
    const test::ScratchFolder dir("vrh_settings_test");
    ASSERT_TRUE(saveSettings(dir / kSettingsFileName, Settings{true}));
    EXPECT_EQ(readTextFile(dir / kSettingsFileName), "[Display]\nWholeNumberScaling=1\n");
    EXPECT_FALSE(saveSettings(dir / "no" / "such" / kSettingsFileName, Settings{true}));
}

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
    EXPECT_TRUE(!globals.flags.mainMenuShowing && log.empty()) << "Quit leaves it to the watchdog" << log;
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
