// The tick as a whole: a run's start values, counters, the caption, extra lives, the end of a run.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

using namespace vrh;
using namespace vrh::test;

// Guards a new run's start values (also after a game over), timers and track six; some frames are kept.
TEST(RunStart, EveryRunStartsFromTheSameValues) {
    Harness h, fresh;
    EXPECT_EQ(vals(h.g.playerMaxHP, h.g.attackPower, h.g.playerDefense, h.g.gunType, h.g.shotType,
                   h.g.extraLifePoints),
              "5 1 0 Regular Regular 0");
    EXPECT_TRUE(h.w().moveTimer.Enabled() && h.w().musicTimer.Enabled());
    EXPECT_FALSE(h.w().pauseTimer.Enabled() || h.w().tankShotTimer.Enabled() || h.w().levelUpTimer.Enabled());
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(h.plays(h.snd.music[i]), i == 6 ? 1 : 0) << "track " << i;
    GameState& g = h.g;
    h.tick(60);
    g.score = 1234, g.money = 77, g.level = 6, g.playerMaxHP = 9, g.attackPower = 4, g.gunType = "Ninja";
    g.playerX = 22, g.facingLeft = true, g.facingRight = false, g.tankMaxHP = 600, g.extraLifeStep = 6000;
    g.carried.volleyShotFlying = {true, false, true, false}, g.carried.explodeFrame = 2, g.lives = 0;
    h.tick();
    ASSERT_TRUE(h.w().finished());
    const int frameBefore = g.carried.playerFrame;
    h.newRun();
    EXPECT_EQ(vals(g.carried.playerFrame, g.carried.explodeFrame, g.carried.volleyShotFlying[0]),
              vals(frameBefore, 2, 1))
        << "animation fields are not reset";
    GameState seen = g;
    for (GameState* s : {&seen, &fresh.g}) {
        s->carried.playerFrame = s->carried.shotFrame = s->carried.volleyFrame = s->carried.explodeFrame = 0;
        s->carried.volleyShotFlying = {};
        s->left = s->right = EnemyGroup{};
    }
    EXPECT_EQ(describeState(seen), describeState(fresh.g));
    EXPECT_EQ(g.extraLifeStep, 1000);
    EXPECT_EQ(std::tie(g.earthTileX, g.volleyX), std::tie(fresh.g.earthTileX, fresh.g.volleyX));
}

// Guards the counter cycles, the controls arming on the second tick and the caption lagging a tick.
TEST(Tick, CountersCycleAndTheCaptionShowsWhatThePreviousTickLeft) {
    Harness h;
    h.noSpawns(), h.hold(Button::Right);
    h.tick();
    EXPECT_EQ(vals(h.g.tickCycle, h.g.controlsArmed, h.g.enemyFrame, h.g.playerX), "1 0 2 162");
    h.g.score = 40, h.g.money = 1234567, h.g.playerHP = 3;
    EXPECT_EQ(h.w().Caption, "Level:1 Score:0 Lives:5 HP:5 $0");
    h.tick();
    EXPECT_EQ(vals(h.g.controlsArmed, h.g.enemyFrame, h.g.playerX), "1 1 172");
    EXPECT_EQ(h.w().Caption, "Level:1 Score:40 Lives:5 HP:3 $1234567");
    h.tick();
    EXPECT_EQ(h.host.captions.size(), 2u) << "the host hears of changes only";
    h.tick(17);
    EXPECT_EQ(h.g.tickCycle, 20);
    const int before = h.g.carried.playerFrame;
    h.tick();
    EXPECT_EQ(h.g.tickCycle, 1) << "21 wraps to 1";
    EXPECT_NE(h.g.carried.playerFrame, before);
}

// Guards the price (step / 10 points), one life per tick at most, and the level-up sound.
TEST(ExtraLife, OneLifePerTickWhileThePointsLast) {
    Harness h;
    h.noSpawns();
    // The step, the points given (-1: those left), then the lives and points after the tick.
    for (auto [step, points, lives, left] :
         {std::tuple{1000, 250.0, 6, 150.0}, std::tuple{1000, -1.0, 7, 50.0}, std::tuple{1000, -1.0, 7, 50.0},
          std::tuple{3000, 299.5, 7, 299.5}, std::tuple{3000, 300.0, 8, 0.0}}) {
        h.g.extraLifeStep = step;
        if (points >= 0) h.g.extraLifePoints = points;
        const std::string shown = "Lives:" + std::to_string(int(h.g.lives));
        h.tick();
        EXPECT_EQ(vals(h.g.lives, h.g.extraLifePoints), vals(lives, left)) << points;
        EXPECT_NE(h.w().Caption.find(shown + " "), std::string::npos) << "the caption lags one tick";
    }
    EXPECT_EQ(h.plays(h.snd.levelUpSound), 3);
}

namespace {

// A message box that lets ticks arrive while it is open, as a nested event loop does.
struct ReentrantBoxes : MessageBoxes {
    std::function<void()> whileOpen;
    int notices = 0;
    MsgButton question(const std::string&, const std::string&) override { return MsgButton::No; }
    MsgButton notice(const std::string&, const std::string&) override {
        return ++notices, whileOpen(), MsgButton::Ok;
    }
};

}  // namespace

// Guards game over: once, after the last explosion, ending its tick, effects closed in order, not re-entered.
TEST(GameOver, FollowsTheLastLifeOnceAndEndsTheTick) {
    Harness h;
    h.tick(3);
    h.g.lives = 1, h.g.playerState = PlayerState::Exploding, h.g.carried.explodeFrame = 3;
    h.tick(2);
    EXPECT_EQ(vals(h.g.lives, h.g.playerState, h.host.highScores), "0 blinking 0");
    const auto spawnsBefore = h.g.right.count + h.g.left.count;
    const int cycleBefore = h.g.tickCycle, presents = h.host.presents;
    h.clearSounds();
    h.tick();
    ASSERT_EQ(h.msg.shown().size(), 1u);
    EXPECT_EQ(
        vals(h.g.playerState, h.msg.shown()[0].text, h.host.highScores, h.host.unloads, h.host.presents),
        vals("dead Game Over 1 1", presents));
    EXPECT_TRUE(h.w().unloaded() && !h.globals.flags.gameShowing && !h.w().moveTimer.Enabled());
    std::vector<std::string> closes;
    for (const std::string& c : h.audio.calls)
        if (c.rfind("close ", 0) == 0) closes.push_back(c.substr(6));
    closes.resize(6);
    EXPECT_EQ(closes,
              (std::vector<std::string>{h.paths.fileTankShot, h.paths.fileExplosion, h.paths.filePlayerShot,
                                        h.paths.fileEnemyShot, h.paths.fileLevelUp, h.paths.fileBgm[1]}));
    EXPECT_EQ(vals(h.g.tickCycle, h.g.right.count + h.g.left.count), vals(cycleBefore + 1, spawnsBefore))
        << "step 2 ran, no spawn after the end";
    h.w().onMoveTick();
    h.tick(5);
    EXPECT_EQ(vals(h.host.highScores, h.g.tickCycle), vals(1, cycleBefore + 1));
    Harness r;
    ReentrantBoxes boxes;
    GameWindow w(GameServices{r.g, r.globals, r.keys, r.snd, r.paths, boxes, r.rnd, r.fg, r.host, r.self()});
    w.onLoad();
    w.onMoveTick();
    r.g.lives = 0;
    boxes.whileOpen = [&] {
        for (int i = 0; i < 3; ++i) {
            w.moveTimer.setEnabled(true);  // e.g. the focus check thawing the game
            w.onMoveTick();
        }
    };
    w.onMoveTick();
    EXPECT_EQ(vals(boxes.notices, r.host.highScores, r.host.unloads), "1 1 1");
}
