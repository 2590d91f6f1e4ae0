#pragma once
// Headless harness: one game window with every service scripted, driven by a
// VirtualClock. Typical use:
//
//   Harness h;                       // window created and loaded (onLoad)
//   h.hold(Button::Right);           // keys stay as scripted until changed
//   h.tick(3);                       // three 50 ms steps = three game ticks
//   EXPECT_EQ(h.g.playerX, 192);
//   EXPECT_EQ(h.plays(h.snd.playerShotSound), 0);
//
// tick() advances the clock by 50 ms per step, so every other due timer of
// the window fires too (musicTimer every 100 ms, pauseTimer, tankShotTimer and
// the 1 ms levelUpTimer). The game window stays in front (ScriptedForeground)
// unless a test changes it. Media paths point at a folder of empty files, so
// every player opens a file of its own and its calls can be told apart.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "draw/Frame.h"
#include "game/GameState.h"
#include "game/GameWindow.h"
#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/RecordingAudio.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Timer.h"
#include "audio/MediaTable.h"
#include "audio/Sounds.h"
#include "tests/support/ScratchFolder.h"

namespace vrh::test {

// The pad buttons the game reads.
enum class Button { A, Up, Down, Left, Right, Start };

// Records what the game window asks of the rest of the program.
class RecordingHost : public GameHost {
public:
    void showHighScores() override { ++highScores; }
    void unloadGameWindow() override {
        ++unloads;
        if (onUnload) onUnload();
    }
    void openShop(const std::string& caption) override {
        shopCaptions.push_back(caption);
        if (onOpenShop) onOpenShop();
    }
    void present(const Frame& frame) override {
        ++presents;
        if (onPresent) onPresent(frame);
    }
    void captionChanged(const std::string& caption) override { captions.push_back(caption); }
    void showMainMenu() override { ++mainMenus; }

    int highScores = 0, unloads = 0, mainMenus = 0, presents = 0;
    std::vector<std::string> shopCaptions, captions;
    std::function<void()> onUnload;               // the harness runs onUnload here
    std::function<void()> onOpenShop;             // the harness puts the shop in front
    std::function<void(const Frame&)> onPresent;  // optional: look at every frame
};

// How a harness plays its sounds: `device`, when given, answers the sound
// commands (they are still recorded); `media` may change the folder of media
// files (empty files, one per player) before the game opens them.
struct HarnessMedia {
    AudioOutput* device = nullptr;
    std::function<void(const std::filesystem::path& folder)> prepare;
};

class Harness {
public:
    // Creates the game window and loads it (a new run), random seed fixed.
    explicit Harness(uint32_t seed = Random::kDefaultSeed, HarnessMedia media = {});
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    // ---- state and services (use freely) ----
    GameState g;
    Globals globals;
    ScriptedKeys keys;
    RecordingAudio audio;
    MediaPaths paths;
    Sounds snd{audio};
    ScriptedMessageBoxes msg;
    Random rnd;
    ScriptedForeground fg;
    RecordingHost host;
    VirtualClock clock;

    GameWindow& w() { return *window_; }
    // The handle the window compares the foreground window with.
    WindowHandle self() const { return this; }

    // ---- keys: the bound code of each pad button ----
    int code(Button b) const;
    void hold(Button b) { keys.keyDown(code(b)); }
    void release(Button b) { keys.keyUp(code(b)); }
    // Down and up before the next query: the query still reports it once.
    void tap(Button b) { keys.tap(code(b)); }
    void releaseAll() { keys.releaseAll(); }

    // ---- time ----
    // n steps of 50 ms: one game tick each while moveTimer runs.
    void tick(int n = 1);
    // The same, calling script(i) before step i (0-based) to set the keys.
    void tick(int n, const std::function<void(int)>& script);
    // Any other span of time (pause screen: 100 ms per pauseTimer event).
    void advanceMs(int64_t ms) { clock.advance(ms); }
    // moveTimer events run in this window so far.
    int ticksRun() const { return ticks_; }

    // ---- sounds ----
    // How often play() started this player ("play <file>" calls).
    int plays(const Sound& s) const;
    // How often stop() stopped it.
    int stops(const Sound& s) const;
    // Whether the player has an open file.
    static bool isOpen(const Sound& s) { return s.isOpen(); }
    void clearSounds() { audio.calls.clear(); }

    // ---- runs and other windows ----
    // A new run after the last one: a freshly created window is loaded.
    void newRun();
    // What the shop's "Next Level" does: the game window is shown again (and
    // is in front), moveTimer runs, tankShotTimer runs if a volley is under way, HP
    // refilled. While the shop is open it is the foreground window.
    void closeShop();

    // ---- scenes ----
    // Appends a small enemy to a group (as a spawn would at the current
    // level) at (x, y); its shot waits at its muzzle.
    int addEnemy(bool leftGroup, int x, int y, EnemyState state = EnemyState::Alive);
    // Keeps spawning shut (enemiesOnField at 14) so a scene stays as built.
    void noSpawns() { g.enemiesOnField = 14; g.spawnOpen = false; }
    // Draw operations of the last frame using a picture (any frame).
    std::vector<DrawOp> opsOf(Pic picture) const;
    int countOps(Pic picture) const { return int(opsOf(picture).size()); }

private:
    void createWindow();
    std::unique_ptr<GameWindow> window_;
    ScratchFolder mediaFolder_{"vrh-harness"};  // lower case: the players lower-case paths
    int ticks_ = 0;
};

}  // namespace vrh::test
