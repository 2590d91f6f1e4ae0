#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "game/Int16.h"
#include "platform/KeyState.h"
#include "platform/ShortPath.h"
#include "platform/Timer.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

// Guards wrap-around instead of saturation, and rounding other than ties to even.
TEST(Int16Policy, SaturatesAtTheLimitsAndRoundsHalvesToEven) {
    Int16 a = 32760;
    a += 100;
    EXPECT_EQ(int(a), 32767);
    a = -32760;
    a -= 100;
    EXPECT_EQ(int(a), -32768);
    Int16 b = 300;
    b = b * 200;
    EXPECT_EQ(int(b), 32767);
    Int32 score = 2147483600;
    score += 100;
    EXPECT_EQ(int64_t(score), 2147483647);
    for (auto [from, to] : {std::pair{2.5, 2}, {3.5, 4}, {1e9, 32767}}) EXPECT_EQ(int(Int16(from)), to) << from;
}

// Guards one window's query using up the tap another window is waiting for, and bad codes.
TEST(KeyState, EachReaderSeesATapOnce) {
    ScriptedKeys keyboard;
    EXPECT_EQ(keyboard.GetAsyncKeyState(-5), 0);
    EXPECT_EQ(keyboard.GetAsyncKeyState(9999), 0);
    keyboard.tap(13);  // before the readers exist: neither sees it
    KeyReader title(keyboard), prompt(keyboard);
    EXPECT_EQ(title.GetAsyncKeyState(13), 0);
    keyboard.tap(13);
    EXPECT_NE(title.GetAsyncKeyState(13), 0);
    EXPECT_NE(prompt.GetAsyncKeyState(13), 0);
    EXPECT_EQ(prompt.GetAsyncKeyState(13), 0);
    keyboard.keyDown(13);
    EXPECT_LT(title.GetAsyncKeyState(13), 0) << "bit 15 while held";
}

// Guards the Enter that closed a dialog acting again, or a held key being forgotten.
TEST(KeyState, ForgetPressesKeepsHeldKeysDown) {
    ScriptedKeys keyboard;
    KeyReader game(keyboard);
    keyboard.tap(13);
    keyboard.keyDown(32);
    game.forgetPresses();
    EXPECT_EQ(game.GetAsyncKeyState(13), 0);
    EXPECT_NE(game.GetAsyncKeyState(32), 0);
}

// Guards the firing order of due timers and disabled timers firing.
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

// Guards media files not being found when the case of the name differs.
TEST(ShortPath, ExistingFileFoundWhateverTheCaseMissingFileEmpty) {
    const vrh::test::ScratchFolder dir("vrh_ShortPath_Dir");
    const std::string file = (dir / "Bgm1.MP3").string();
    std::ofstream(file) << "x";
    std::string lower = (dir / "bgm1.mp3").string();  // the players ask with the lower-cased path
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    EXPECT_EQ(GetShortName(file), file);
    EXPECT_EQ(GetShortName(lower), file);
    EXPECT_EQ(GetShortName((dir / "bgm2.mp3").string()), "");
    EXPECT_EQ(GetShortName(""), "");
}
