#pragma once
// The game window as the rules see it: its timers, its pause labels, its
// caption and the handlers of its timer events. Plain C++: the Qt window
// (windows/play/GameWindowWidget) shows the caption, the labels and each composed frame, and
// drives the timers; tests drive them with a VirtualClock.
#include <string>

#include "draw/Frame.h"
#include "game/GameState.h"
#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Timer.h"
#include "audio/MediaTable.h"
#include "audio/Sounds.h"

namespace vrh {

// A label of the window as a model: caption, visibility, whether it is the
// chosen entry of the pause screen, and text colour.
struct Label {
    std::string Caption;
    bool Visible = false;
    bool selected = false;
    uint32_t ForeColor = 0;  // 0xRRGGBB
};

// What the game window asks of the rest of the program.
class GameHost {
public:
    virtual ~GameHost() = default;
    // Game over: the high-score window is shown (not modal).
    virtual void showHighScores() = 0;
    // The game window is unloaded (its onUnload runs, then it is gone).
    virtual void unloadGameWindow() = 0;
    // Level change: the shop is shown with this caption, the game window hidden.
    virtual void openShop(const std::string& caption) = 0;
    // The composed frame is ready to be shown.
    virtual void present(const Frame& frame) = 0;
    // The caption changed.
    virtual void captionChanged(const std::string& caption) = 0;
    // "MainMenu" confirmed on the pause screen: the title menu is shown.
    virtual void showMainMenu() = 0;
    // The pause screen's choice changed while no frame is being composed:
    // the labels must be shown again at once.
    virtual void pauseScreenChanged() {}
};

// The services the game window uses, owned elsewhere.
struct GameServices {
    GameState& g;
    Globals& globals;
    KeyState& keys;
    Sounds& snd;
    const MediaPaths& paths;
    MessageBoxes& msg;
    Random& rnd;
    Foreground& fg;
    GameHost& host;
    WindowHandle self = nullptr;  // this window, as the foreground query names it
};

class GameWindow {
public:
    // Wires the timer events to the handlers below. The window starts with its
    // design-time properties: a window loaded for a new run is a new object.
    explicit GameWindow(GameServices s);

    // Registers the five timers with a driver (the Qt binding or a
    // VirtualClock), in the order moveTimer, musicTimer, pauseTimer, tankShotTimer,
    // levelUpTimer; detachTimers() removes them again.
    void attachTimers(TimerDriver& driver);
    void detachTimers();

    // Design-time timers of the window.
    Timer moveTimer{50, true};
    Timer musicTimer{100, true};
    Timer pauseTimer{100, false};
    Timer tankShotTimer{1811, false};
    // The volley sound has played since the volley began: resuming restarts its timer.
    bool volleyUnderway = false;
    Timer levelUpTimer{1, false};

    Label pausedLabel{"Paused", false, false, 0xFFFFFF};
    Label resumeLabel{"Resume", false, true, 0x00FF00};
    Label mainMenuLabel{"MainMenu", false, false, 0xFFFF00};

    std::string Caption = "Varnholt";

    // onLoad: opens the sounds, starts track 6 and starts a new run.
    void onLoad();
    // onUnload: closes the game's sounds, gameShowing = False. The
    // window's timers are disabled with it.
    void onUnload();
    // A key released in the window (any key) clears fireHeld.
    void onKeyReleased();

    // Timer events.
    void onMoveTick();      // the 50 ms game tick
    void onTankShotTick();  // repeats the volley sound
    void onLevelUpTick();   // the level change
    void onMusicTick();     // music loop and the focus freeze/thaw
    void onPauseTick();     // the pause screen

    // Freeze and resume (focus, menus, other windows).
    void freeze();
    void resume();  // only when frozen, not paused
    bool paused() const { return pausedLabel.Visible; }

    // The frame composed by the last tick.
    const Frame& frame() const { return frame_; }
    // The frame being composed (step 25 of the tick fills it).
    Frame& frameInProgress() { return frame_; }
    // True once the run has ended (game over) and the window is being unloaded.
    bool finished() const { return finished_; }
    // True once onUnload has run.
    bool unloaded() const { return unloaded_; }

    // A pad button as the asynchronous key query answers it: non-zero = down.
    bool pressed(int keyCode) { return svc.keys.GetAsyncKeyState(keyCode) != 0; }
    // The status line: "Level:1 Score:0 Lives:5 HP:5 $0".
    std::string statusLine() const;
    // Sets Caption to the status line (tick step 1, and at once after the big
    // tank is shattered) and tells the host when it changed.
    void showStatus();

    GameServices svc;

private:
    // Game over (tick step 4): runs once per run.
    void gameOver();
    // Toggles the pause-screen selection between Resume and MainMenu.
    void togglePauseChoice();

    Frame frame_;
    bool finished_ = false;
    bool unloaded_ = false;
    PressRepeat pauseDownRepeat_, pauseUpRepeat_;
    TimerDriver* driver_ = nullptr;
};

}  // namespace vrh
