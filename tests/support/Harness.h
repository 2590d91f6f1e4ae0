#pragma once
// Headless harness: one game window with every service scripted, driven by a VirtualClock. tick() steps
// the clock 50 ms, so every other due timer of the window fires too. Media paths point at a folder of
// empty files, one per player, so every player's calls can be told apart.
#include <functional>
#include <memory>
#include <sstream>

#include "game/GameWindow.h"  // and through it every service the window takes
#include "platform/RecordingAudio.h"
#include "tests/support/Invariants.h"
#include "tests/support/ScratchFolder.h"

namespace vrh::test {

enum class Button { A, Up, Down, Left, Right, Start };

// The values as one line of text, one space apart: several fields compared in one check.
template <typename... T>
std::string vals(const T&... v) {
    std::ostringstream o;
    ((o << v << ' '), ...);
    return o.str().substr(0, o.str().size() - 1);
}

// Records what the game window asks of the rest of the program.
class RecordingHost : public GameHost {
public:
    void showHighScores() override { ++highScores; }
    void unloadGameWindow() override { ++unloads, onUnload(); }
    void openShop(const std::string& caption) override { shopCaptions.push_back(caption), onOpenShop(); }
    void present(const Frame& frame) override { ++presents, onPresent ? onPresent(frame) : void(); }
    void captionChanged(const std::string& caption) override { captions.push_back(caption); }
    void showMainMenu() override { ++mainMenus; }

    int highScores = 0, unloads = 0, mainMenus = 0, presents = 0;
    std::vector<std::string> shopCaptions, captions;
    std::function<void()> onUnload, onOpenShop;   // set by the harness
    std::function<void(const Frame&)> onPresent;  // optional
};

class Harness {
public:
    // `device`, when given, answers the sound commands (still recorded); `prepareMedia` may change the
    // folder of media files before the game opens them.
    explicit Harness(uint32_t seed = Random::kDefaultSeed, AudioOutput* device = nullptr,
                     const std::function<void(const std::filesystem::path&)>& prepareMedia = {});
    ~Harness();  // not copyable (the window)

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
    WindowHandle self() const { return this; }

    // The bound code of each pad button; a tap is down and up before the next query, which sees it once.
    int code(Button b) const;
    void hold(Button b) { keys.keyDown(code(b)); }
    void release(Button b) { keys.keyUp(code(b)); }
    void tap(Button b) { keys.tap(code(b)); }
    void releaseAll() { keys.releaseAll(); }

    void tick(int n = 1) { clock.advance(50 * n); }  // one game tick per 50 ms while moveTimer runs
    void advanceMs(int64_t ms) { clock.advance(ms); }
    int ticksRun() const { return ticks_; }

    int plays(const Sound& s) const { return audio.count("play " + s.fileName()); }
    int stops(const Sound& s) const { return audio.count("stop " + s.fileName()); }
    void clearSounds() { audio.calls.clear(); }

    void newRun() { createWindow(); }  // a fresh window, loaded
    // The shop's "Next Level": the window in front, its timers on again, HP refilled.
    void closeShop();

    // Appends a small enemy to a group as a spawn at the current level would, at (x, y).
    int addEnemy(bool leftGroup, int x, int y, EnemyState state = EnemyState::Alive);
    // A new left-group member at (3, 200) whose shot is in the air at (x, y).
    int addEnemyShot(int x, int y, int attack = 1);
    // The player's shot in flight to the right at (x, y).
    void launchShot(int x, int y) {
        g.shotInFlight = 1, g.carried.shotRight = true, g.shotX = x, g.shotY = y;
    }
    void noSpawns() { g.enemiesOnField = 14, g.spawnOpen = false; }  // a scene stays as built
    // Draw operations of the last frame using a picture.
    std::vector<DrawOp> opsOf(Pic picture) const;
    int countOps(Pic picture) const { return int(opsOf(picture).size()); }

private:
    void createWindow();
    std::unique_ptr<GameWindow> window_;
    ScratchFolder mediaFolder_{"vrh-harness"};  // lower case: the players lower-case paths
    int ticks_ = 0;
};

}  // namespace vrh::test
