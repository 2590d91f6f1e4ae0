// Speed of the game tick and of drawing a frame.
//   BM_BusyTickAndCompose/0   one tick + render of a busy field, fresh background
//   BM_BusyTickAndCompose/1   the same after 10 hours of background tiles
//   BM_Stretch/W/H            presenting one frame on a W x H client (1920 x 1080, 3840 x 2160)
//   BM_HeadlessTicks          ticks of normal play, rules only (items/s = ticks/s)
// The title menu and the high-score window: bench/menu_bench.cpp.
#include <benchmark/benchmark.h>

#include <QPainter>

#include "bench/BenchSupport.h"
#include "game/Compose.h"
#include "ui/Renderer.h"
#include "game/GameWindow.h"
#include "platform/Foreground.h"
#include "platform/KeyState.h"
#include "platform/AudioOutput.h"
#include "platform/MessageBox.h"

using namespace vrh;
using vrh::bench::app;
using vrh::bench::NullAudio;

namespace {

class NullHost : public GameHost {
public:
    void showHighScores() override {}
    void unloadGameWindow() override { unloaded = true; }
    void openShop(const std::string&) override { shops++; }
    void present(const Frame&) override {}
    void captionChanged(const std::string&) override {}
    void showMainMenu() override {}
    bool unloaded = false;
    int shops = 0;
};

// A game window with quiet services (no sound files, nobody answering).
struct Game {
    GameState g;
    Globals globals;
    KeyboardTracker keys;
    NullAudio audio;
    MediaPaths paths;
    Sounds snd{audio};
    ScriptedMessageBoxes msg;
    Random rnd;
    ScriptedForeground fg;
    NullHost host;
    std::unique_ptr<GameWindow> w;

    Game() { newRun(); }
    void newRun() {
        w = std::make_unique<GameWindow>(
            GameServices{g, globals, keys, snd, paths, msg, rnd, fg, host, this});
        w->onLoad();
        host.unloaded = false;
    }
};

void addEnemy(GameState& g, bool left, int x, int y) {
    EnemyGroup& grp = left ? g.left : g.right;
    const int n = grp.append();
    grp.state[n] = EnemyState::Alive;
    grp.x[n] = x;
    grp.y[n] = y;
    grp.hp[n] = 1;
    grp.attack[n] = 1;
    grp.defense[n] = 0;
    grp.hit[n] = n % 2;  // half of them flashing
    grp.hitTicks[n] = 0;
    grp.shotFlying[n] = true;
    grp.shotX[n] = left ? 120 : 180;
    grp.shotY[n] = y + 4;
}

// 14 small enemies with their shots in the air, the volley rising, the
// player's shot falling, the player blinking (so nothing hits it).
GameState busyScene(const GameState& start) {
    GameState g = start;
    g.level = 13;
    g.tickCycle = 5;
    g.controlsArmed = true;
    g.playerState = PlayerState::Blinking;
    g.blinkTicks = 2;
    g.playerX = 150;
    g.playerY = 0;
    for (int i = 0; i < 7; ++i) {
        addEnemy(g, true, 3, 40 + 34 * i);
        addEnemy(g, false, 293, 40 + 34 * i);
    }
    g.enemiesOnField = 14;
    g.spawnOpen = false;
    g.enemyShotsInAir = 14;
    g.volleyActive = true;
    g.volleyY = 200;
    g.volleyX = {40.5, 101, 218, 260.25};
    g.carried.volleyShotFlying = {true, true, true, true};
    g.carried.volleyStepRight = 1.5;
    g.carried.volleyStepLeft = 1.25;
    g.carried.volleyFrame = 1;
    g.shotInFlight = 1;
    g.carried.shotRight = true;
    g.shotX = 100;
    g.shotY = 120;
    return g;
}

// The background arrays as ten hours of ticks leave them (exact arithmetic).
void tenHoursOfTiles(GameState& g) {
    static const auto tiles = [] {
        std::vector<double> x{-242, 238, 0};
        Int16 count = 2;
        for (int t = 0; t < 10 * 3600 * 20; ++t) scrollLayer(x, count);
        return std::make_pair(x, count);
    }();
    g.earthTileX = g.starsTileX = tiles.first;
    g.earthTileCount = g.starsTileCount = tiles.second;
}

void BM_BusyTickAndCompose(benchmark::State& state) {
    app();
    Game game;
    GameState scene = busyScene(game.g);
    if (state.range(0) == 1) tenHoursOfTiles(scene);
    Renderer renderer(QSize(kFieldW, kFieldH));
    size_t ops = 0;
    for (auto _ : state) {
        game.g = scene;  // the same busy tick every time (the copy is included)
        game.w->onMoveTick();
        renderer.render(game.w->frame());
        ops = game.w->frame().ops.size();
        benchmark::DoNotOptimize(renderer.canvas().constBits());
    }
    state.counters["drawOps"] = double(ops);
    state.counters["tiles"] = double(int(scene.earthTileCount));
}
BENCHMARK(BM_BusyTickAndCompose)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Stretch(benchmark::State& state) {
    app();
    Game game;
    game.g = busyScene(game.g);
    game.w->onMoveTick();
    Renderer renderer(QSize(kFieldW, kFieldH));
    renderer.render(game.w->frame());
    QImage client(int(state.range(0)), int(state.range(1)), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&client);
        renderer.present(p, QSize(kFieldW, kFieldH), client.size());
        p.end();
        benchmark::DoNotOptimize(client.constBits());
    }
}
BENCHMARK(BM_Stretch)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void BM_HeadlessTicks(benchmark::State& state) {
    Game game;
    game.g.attackPower = 5;
    game.g.lives = 30000;
    int t = 0;
    const int keyA = game.globals.keys.keyA, keyL = game.globals.keys.keyLeft,
              keyR = game.globals.keys.keyRight;
    for (auto _ : state) {
        // Sweep left and right with A held, as a player would.
        if (t % 80 == 0) {
            game.keys.keyUp(keyL);
            game.keys.keyDown(keyR);
        }
        if (t % 80 == 40) {
            game.keys.keyUp(keyR);
            game.keys.keyDown(keyL);
        }
        game.keys.keyDown(keyA);
        game.w->onMoveTick();
        if (game.host.shops != 0) {  // straight on to the next level
            game.host.shops = 0;
            game.w->moveTimer.setEnabled(true);
        }
        if (game.w->levelUpTimer.Enabled()) {
            game.keys.keyUp(keyA);
            game.w->onLevelUpTick();
        }
        if (game.host.unloaded) game.newRun();
        ++t;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["level"] = double(int(game.g.level));
}
BENCHMARK(BM_HeadlessTicks);

}  // namespace

BENCHMARK_MAIN();
