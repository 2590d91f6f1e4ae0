#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "draw/NearestScaler.h"
#include "game/Int16.h"
#include "platform/KeyState.h"
#include "platform/ShortPath.h"
#include "platform/Timer.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

// Guards wrap-around instead of saturation, and rounding other than ties to even.
TEST(Int16Policy, SaturatesAtTheLimitsAndRoundsHalvesToEven) {
    Int16 up = 32760, down = -32760, product = 300;
    Int32 score = 2147483600;
    up += 100, down -= 100, product = product * 200, score += 100;
    EXPECT_EQ(std::make_tuple(int(up), int(down), int(product), int64_t(score)),
              std::make_tuple(32767, -32768, 32767, int64_t(2147483647)));
    for (auto [from, to] : {std::pair{2.5, 2}, {3.5, 4}, {1e9, 32767}})
        EXPECT_EQ(int(Int16(from)), to) << from;
}

// Guards a query using up another window's tap, bad codes, and presses made while away acting here.
TEST(KeyState, EachReaderSeesATapOnceWhileListening) {
    ScriptedKeys keyboard;
    EXPECT_EQ(keyboard.GetAsyncKeyState(-5) | keyboard.GetAsyncKeyState(9999), 0);
    keyboard.tap(13);  // before the readers exist: neither sees it
    bool inFront = false;
    KeyReader title(keyboard), prompt(keyboard), game(keyboard, [&] { return inFront; });
    EXPECT_EQ(title.GetAsyncKeyState(13), 0);
    keyboard.tap(13);
    EXPECT_EQ(title.GetAsyncKeyState(13), kKeyPressedBit);
    EXPECT_EQ(prompt.GetAsyncKeyState(13), kKeyPressedBit);
    EXPECT_EQ(prompt.GetAsyncKeyState(13), 0);
    keyboard.keyDown(13);
    EXPECT_EQ(title.GetAsyncKeyState(13), kKeyHeldBit | kKeyPressedBit);
    EXPECT_EQ(title.GetAsyncKeyState(13), kKeyHeldBit) << "held, no new press";
    EXPECT_EQ(game.GetAsyncKeyState(13), 0);
    inFront = true;
    EXPECT_EQ(game.GetAsyncKeyState(13), kKeyHeldBit) << "the press was used up while away";
    keyboard.keyUp(13);
    EXPECT_EQ(title.GetAsyncKeyState(13), 0) << "up the moment it is released";
}

// Guards a press acting in a window it did not begin in (the Enter of "New Game", a held key after a box).
TEST(KeyState, AKeyHeldWhenAReaderTakesOverActsOnlyAfterANewPress) {
    struct Case {
        const char* what;
        KeySource source;
        bool lostRelease;  // the release went to a message box; a repeat found the key again
    };
    for (const Case c : {Case{"keyboard", KeySource::Keyboard, false}, Case{"pad", KeySource::Pad, false},
                         Case{"refound by a repeat", KeySource::Keyboard, true}}) {
        ScriptedKeys keyboard;
        KeyReader menu(keyboard);
        keyboard.keyDown(13, c.source);
        EXPECT_NE(menu.GetAsyncKeyState(13), 0) << c.what;
        if (c.lostRelease) {
            keyboard.releaseAll();
            keyboard.keyStillHeld(13);
        }
        KeyReader prompt(keyboard);  // opens while Enter is held
        menu.takeOver();             // comes back from a box while Enter is held
        for (KeyReader* r : {&prompt, &menu}) {
            EXPECT_EQ(r->GetAsyncKeyState(13), 0) << c.what;
            EXPECT_FALSE(r->ownsLatestPress(13)) << c.what;
        }
        keyboard.keyUp(13, c.source);
        keyboard.keyDown(13, c.source);
        for (KeyReader* r : {&prompt, &menu}) {
            EXPECT_EQ(r->GetAsyncKeyState(13), kKeyHeldBit | kKeyPressedBit) << c.what;
            EXPECT_TRUE(r->ownsLatestPress(13)) << c.what;
        }
    }
}

// Guards a menu moving twice for one press, or never repeating for a held key.
TEST(PressRepeat, OneMoveAPressThenTenASecondPastTheDelay) {
    constexpr int16_t held = kKeyHeldBit, press = kKeyHeldBit | kKeyPressedBit, tap = kKeyPressedBit;
    struct Case {
        const char* what;
        std::vector<int16_t> polls;
        std::string moves;
    };
    const Case cases[] = {
        {"tap between polls", {tap, 0, 0}, "100"},
        {"press seen on three polls (under 300 ms)", {press, held, held, 0}, "1000"},
        {"held past the delay", {press, held, held, held, held, 0}, "100110"},
        {"two quick presses", {press, 0, press, held}, "1010"},
        {"a new press restarts the delay", {press, held, held, press, held, held, held}, "1001001"}};
    for (const Case& c : cases) {
        PressRepeat r;
        std::string moves;
        for (int16_t s : c.polls) moves += r.step(s) ? '1' : '0';
        EXPECT_EQ(moves, c.moves) << c.what;
    }
}

// Guards media files not being found when the case of the name differs.
TEST(ShortPath, ExistingFileFoundWhateverTheCaseMissingFileEmpty) {
    const vrh::test::ScratchFolder dir("vrh_ShortPath_Dir");
    const std::string file = (dir / "Bgm1.MP3").string();
    std::ofstream(file) << "x";
    std::string lower = (dir / "bgm1.mp3").string();  // the players ask with the lower-cased path
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    EXPECT_EQ(GetShortName(file) + "|" + GetShortName(lower), file + "|" + file);
    EXPECT_EQ(GetShortName((dir / "bgm2.mp3").string()) + GetShortName(""), "");
}

// Guards the scaler sampling the middle of each source step (as Qt's own stretch does), and its rows.
TEST(NearestScaler, SamplesTheMiddleOfEachStep) {
    NearestScaler s;
    s.resize(4, 3, 2, 9);
    uint32_t src[12], out[18] = {};
    for (uint32_t i = 0; i < 12; ++i) src[i] = i;
    s.scale(src, 4, out, 2, {0, 0, 2, 9});
    EXPECT_EQ(std::vector<uint32_t>(out, out + 18),
              (std::vector<uint32_t>{1, 3, 1, 3, 1, 3, 5, 7, 5, 7, 5, 7, 9, 11, 9, 11, 9, 11}));
}
