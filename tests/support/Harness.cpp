#include "tests/support/Harness.h"

#include <array>
#include <fstream>

#include "game/States.h"

namespace vrh::test {

Harness::Harness(uint32_t seed, AudioOutput* device,
                 const std::function<void(const std::filesystem::path&)>& prepareMedia)
    : rnd(seed) {
    audio.forward = device;
    for (const MediaEntry& e : kMediaTable)
        std::ofstream(mediaFolder_.string() + std::string(e.fileText)).flush();
    if (prepareMedia) prepareMedia(mediaFolder_.path());
    paths.compute(mediaFolder_.string());
    fg.setForeground(self());
    host.onUnload = [this] { window_->onUnload(); };
    host.onOpenShop = [this] { fg.setForeground(&host); };  // the shop comes to the front
    createWindow();
}

Harness::~Harness() { window_->detachTimers(); }

void Harness::createWindow() {
    if (window_) window_->detachTimers();
    window_ =
        std::make_unique<GameWindow>(GameServices{g, globals, keys, snd, paths, msg, rnd, fg, host, self()});
    GameWindow* win = window_.get();
    win->attachTimers(clock);
    ticks_ = 0;
    win->moveTimer.handler = [this, win] { ++ticks_, win->onMoveTick(); };
    win->onLoad();
}

int Harness::code(Button b) const {
    const ButtonMap& k = globals.keys;
    return std::array{k.keyA, k.keyUp, k.keyDown, k.keyLeft, k.keyRight, k.keyStart}[int(b)];
}

void Harness::closeShop() {
    fg.setForeground(self());
    window_->moveTimer.setEnabled(true);
    if (window_->volleyUnderway) window_->tankShotTimer.setEnabled(true);
    g.playerHP = g.playerMaxHP;
}

int Harness::addEnemy(bool leftGroup, int x, int y, EnemyState state) {
    EnemyGroup& grp = leftGroup ? g.left : g.right;
    const int n = grp.append(), half = g.level / 2;
    grp.defense[n] = g.level == 1 ? 0 : half + 1;
    grp.attack[n] = half + 1, grp.hp[n] = g.level;
    grp.hit[n] = grp.hitTicks[n] = 0, grp.shotFlying[n] = false;
    grp.state[n] = state, grp.x[n] = x, grp.y[n] = y;
    grp.shotX[n] = leftGroup ? x + 32 : x - 62, grp.shotY[n] = y + 4;  // as a spawn arms it
    return n;
}

int Harness::addEnemyShot(int x, int y, int attack) {
    const int n = addEnemy(true, 3, 200);
    g.left.attack[n] = attack, g.left.shotFlying[n] = true, g.left.shotX[n] = x, g.left.shotY[n] = y;
    g.enemyShotsInAir += 1;
    return n;
}

std::vector<DrawOp> Harness::opsOf(Pic picture) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : window_->frame().ops)
        if (op.picture.pic == picture) out.push_back(op);
    return out;
}

}  // namespace vrh::test
