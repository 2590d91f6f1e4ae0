#pragma once
// The title menu as the rules see it: the animated scene (ship bobbing,
// scrolling strips), the four menu entries with their highlight, input
// arming, the menu actions and the title music loop. Plain C++: the window
// (windows/title/TitleMenuWindow) drives the timers, answers whether it is in front,
// draws the composed frames and opens the other windows.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "draw/Frame.h"
#include "game/GameState.h"
#include "platform/KeyState.h"
#include "audio/MediaTable.h"
#include "audio/Sounds.h"

namespace vrh {

// An invisible label that models one menu entry: its caption, whether it is
// highlighted, text colour and where its text is printed.
struct MenuLabel {
    std::string Caption;
    bool selected;
    uint32_t ForeColor;  // 0xRRGGBB
    int Left, Top;
};

inline constexpr uint32_t kMenuHighlight = 0x00FF00;  // green
inline constexpr uint32_t kMenuNormal = 0xFFFF00;     // yellow
inline constexpr int kVkF1 = 112;

// What the title menu asks of the rest of the program.
class TitleHost {
public:
    virtual ~TitleHost() = default;
    virtual void showNamePrompt() = 0;     // namePrompt, not modal
    virtual void showLoadWindow() = 0;     // saveSlots, not modal
    virtual void showHighScores() = 0;     // highScores, not modal
    virtual void unloadTitle() = 0;        // destroys the title window
    virtual void toggleWindowState() = 0;  // normal <-> maximised
};

struct TitleServices {
    GameState& g;
    Globals& globals;
    KeyState& keys;
    Sounds& snd;
    const MediaPaths& paths;
    TitleHost& host;
};

class TitleScene {
public:
    explicit TitleScene(TitleServices s);

    // Creation: logo size, title music, flags, scene start values.
    void onLoad(int logoWidth, int logoHeight);
    // Destruction: title music stopped and closed, mainMenuShowing False.
    void onUnload();

    // animationTimer, every 100 ms. `windowInFront`: the title window is the foreground
    // window. Returns false when the tick destroyed the title window (Load,
    // High Scores); nothing may be drawn then.
    bool onAnimationTick(bool windowInFront);
    // themeTimer: hands the opening part over to the looping part of the theme,
    // and restarts the looping part when it has played to its end.
    void onThemeTick();

    // The frame of the current scene, in two parts: `scene` (strips and ship)
    // goes below the menu texts, `logo` above them.
    void compose(Frame& scene, Frame& logo) const;

    // The four entries, top to bottom.
    std::array<MenuLabel*, 4> entries() { return {&newGameEntry, &loadEntry, &highScoresEntry, &quitEntry}; }
    std::array<const MenuLabel*, 4> entries() const {
        return {&newGameEntry, &loadEntry, &highScoresEntry, &quitEntry};
    }
    // Index of the highlighted entry (0 = "New Game").
    int highlighted() const;

    // Scene geometry.
    static constexpr int titleTileW = 484, titleTopH = 254, titleBandH = 159;
    static constexpr int titleTopY = 0, titleBand1Y = 250, titleBand2Y = 341, titleBand3Y = 432;
    static constexpr int kCanvasW = 516, kCanvasH = 521;
    // How many ticks the menu waits before it takes input.
    static constexpr int kArmTick = 10;

    MenuLabel newGameEntry{"New Game", true, kMenuHighlight, 216, 400};
    MenuLabel loadEntry{"Load", false, kMenuNormal, 243, 432};
    MenuLabel highScoresEntry{"High Scores", false, kMenuNormal, 213, 464};
    MenuLabel quitEntry{"Quit", false, kMenuNormal, 245, 496};

    bool inFront = true;  // while the title window is in front

    int frameTick = 0;
    int spriteFrame = 0;
    bool spriteRising = false;
    int spriteX = 248, spriteY = 180, spriteW = 33, spriteH = 42;
    // Counts the ticks up to kArmTick and rests there.
    int ticksSinceLoad = 0;
    bool inputArmed = false;
    int logoX = 0, logoY = 0, logoW = 0, logoH = 0;

    // Tile x positions of the strips (the count is the size). Tiles are
    // added as the strips scroll and never removed.
    std::vector<int> titleTopX, titleBand1X, titleBand2X, titleBand3X;

    TitleServices svc;

private:
    void bobShip();
    static void scrollStrip(std::vector<int>& x);
    void moveHighlight(int step);
    // Acts on the highlighted entry; false when the title window was destroyed.
    bool startAction();
    bool pressed(int vk) { return svc.keys.GetAsyncKeyState(vk) != 0; }
    PressRepeat downRepeat_, upRepeat_;  // one move per press, then ten a second
};

}  // namespace vrh
