#include <gtest/gtest.h>

#include <algorithm>

#include "game/Int16.h"
#include "platform/KeyState.h"
#include "platform/Timer.h"
#include "shell/Sounds.h"

using namespace vrh;

TEST(Int16Policy, SaturatesAtTheLimits) {
    Int16 a = 32760;
    a += 100;
    EXPECT_EQ(int(a), 32767);
    a = -32760;
    a -= 100;
    EXPECT_EQ(int(a), -32768);
    Int16 b = 300;
    b = b * 200;  // 60000 does not fit
    EXPECT_EQ(int(b), 32767);
    Int32 score = 2147483600;
    score += 100;
    EXPECT_EQ(int64_t(score), 2147483647);
    Int16 fromDouble = 2.5;
    EXPECT_EQ(int(fromDouble), 2) << "halves go to the even neighbour";
    fromDouble = 3.5;
    EXPECT_EQ(int(fromDouble), 4);
    fromDouble = 1e9;
    EXPECT_EQ(int(fromDouble), 32767);
}

TEST(KeyState, DownAndPressedSinceLastQuery) {
    ScriptedKeys keys;
    EXPECT_EQ(keys.GetAsyncKeyState(32), 0);
    keys.keyDown(32);
    EXPECT_NE(keys.GetAsyncKeyState(32), 0);
    EXPECT_NE(keys.GetAsyncKeyState(32), 0) << "still held";
    keys.keyUp(32);
    EXPECT_EQ(keys.GetAsyncKeyState(32), 0);
    keys.tap(13);
    EXPECT_NE(keys.GetAsyncKeyState(13), 0) << "a tap between two queries is not lost";
    EXPECT_EQ(keys.GetAsyncKeyState(13), 0) << "but it is reported only once";
    EXPECT_EQ(keys.GetAsyncKeyState(-5), 0);
    EXPECT_EQ(keys.GetAsyncKeyState(9999), 0);
}

TEST(VirtualClock, FiresDueTimersInOrder) {
    VirtualClock clock;
    Timer fast(50, true), slow(100, true), off(10, false);
    std::string log;
    fast.handler = [&] { log += 'f'; };
    slow.handler = [&] { log += 's'; };
    off.handler = [&] { log += 'o'; };
    clock.add(fast);
    clock.add(slow);
    clock.add(off);
    clock.advance(200);
    EXPECT_EQ(log, "ffsffs");
    log.clear();
    fast.setEnabled(false);
    off.setEnabled(true);
    clock.advance(30);
    EXPECT_EQ(log, "ooo");
}

#include <filesystem>
#include <fstream>

#include "platform/ShortPath.h"
#include "tests/support/ScratchFolder.h"

TEST(ShortPath, ExistingFileFoundWhateverTheCaseMissingFileEmpty) {
    namespace fs = std::filesystem;
    const vrh::test::ScratchFolder dir("vrh_ShortPath_Dir");
    std::ofstream(dir / "Bgm1.MP3") << "x";
    EXPECT_EQ(GetShortName((dir / "Bgm1.MP3").string()), (dir / "Bgm1.MP3").string());
    // The players ask with the lower-cased path.
    std::string lower = (dir / "bgm1.mp3").string();
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    EXPECT_EQ(GetShortName(lower), (dir / "Bgm1.MP3").string());
    EXPECT_EQ(GetShortName((dir / "bgm2.mp3").string()), "");
    EXPECT_EQ(GetShortName(""), "");
}

TEST(KeyState, EachReaderSeesATapOnce) {
    ScriptedKeys keyboard;
    keyboard.tap(13);  // before the readers exist: neither sees it
    KeyReader title(keyboard), prompt(keyboard);
    EXPECT_EQ(title.GetAsyncKeyState(13), 0);
    keyboard.tap(13);
    EXPECT_NE(title.GetAsyncKeyState(13), 0);
    EXPECT_NE(prompt.GetAsyncKeyState(13), 0) << "the title's query must not use up the prompt's tap";
    EXPECT_EQ(prompt.GetAsyncKeyState(13), 0);
    keyboard.keyDown(13);
    EXPECT_LT(title.GetAsyncKeyState(13), 0) << "bit 15 while held";
}

TEST(KeyState, ForgetPressesKeepsHeldKeysDown) {
    ScriptedKeys keyboard;
    KeyReader game(keyboard);
    keyboard.tap(13);      // the Enter that closed a dialog
    keyboard.keyDown(32);  // fire held through it
    game.forgetPresses();
    EXPECT_EQ(game.GetAsyncKeyState(13), 0);
    EXPECT_NE(game.GetAsyncKeyState(32), 0);
}
