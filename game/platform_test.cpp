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
    // lostRelease: the release went to a message box; a repeat found the key again.
    for (auto [what, source, lostRelease] :
         {std::tuple{"keyboard", KeySource::Keyboard, false}, std::tuple{"pad", KeySource::Pad, false},
          std::tuple{"refound by a repeat", KeySource::Keyboard, true}}) {
        ScriptedKeys keyboard;
        KeyReader menu(keyboard);
        keyboard.keyDown(13, source);
        EXPECT_NE(menu.GetAsyncKeyState(13), 0) << what;
        if (lostRelease) keyboard.releaseAll(), keyboard.keyStillHeld(13);
        KeyReader prompt(keyboard);  // opens while Enter is held
        menu.takeOver();             // comes back from a box while Enter is held
        for (KeyReader* r : {&prompt, &menu}) {
            EXPECT_EQ(r->GetAsyncKeyState(13), 0) << what;
            EXPECT_FALSE(r->ownsLatestPress(13)) << what;
        }
        keyboard.keyUp(13, source), keyboard.keyDown(13, source);
        for (KeyReader* r : {&prompt, &menu}) {
            EXPECT_EQ(r->GetAsyncKeyState(13), kKeyHeldBit | kKeyPressedBit) << what;
            EXPECT_TRUE(r->ownsLatestPress(13)) << what;
        }
    }
}

// Guards a menu moving twice for one press, or never repeating for a held key.
TEST(PressRepeat, OneMoveAPressThenTenASecondPastTheDelay) {
    // Each poll: 0 up, t a tap, h held, p a press (held and new); then whether each poll moves.
    const int16_t state[] = {0, kKeyPressedBit, kKeyHeldBit, int16_t(kKeyHeldBit | kKeyPressedBit)};
    for (auto [polls, want] :
         {std::pair{"t00", "100"}, std::pair{"phh0", "1000"}, std::pair{"phhhh0", "100110"},
          std::pair{"p0ph", "1010"}, std::pair{"phhphhh", "1001001"}}) {
        PressRepeat r;
        std::string moves;
        for (char c : std::string(polls)) moves += r.step(state[std::string("0thp").find(c)]) ? '1' : '0';
        EXPECT_EQ(moves, want) << polls;
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
