#include "tests/support/Invariants.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "game/States.h"

namespace vrh {

std::ostream& operator<<(std::ostream& o, PlayerState s) {
    static const char* const names[] = {"alive", "flashing", "exploding", "blinking", "dead"};
    return o << names[int(s)];
}

std::ostream& operator<<(std::ostream& o, EnemyState s) {
    static const char* const names[] = {"gone",     "alive",    "shooting", "explode1",
                                        "explode2", "explode3", "explode4"};
    return o << names[int(s)];
}

namespace test {

namespace {

bool oneOf(const std::string& s, std::initializer_list<const char*> allowed) {
    return std::find(allowed.begin(), allowed.end(), s) != allowed.end();
}

// Collects the first broken invariant.
struct Findings {
    std::string first;
    template <typename... Parts>
    void expect(bool ok, const Parts&... what) {
        if (ok || !first.empty()) return;
        std::ostringstream out;
        (out << ... << what);
        first = out.str();
    }
    void range(const char* name, int v, int lo, int hi) {
        expect(v >= lo && v <= hi, name, " ", v, " outside ", lo, "..", hi);
    }
};

void checkGroup(Findings& f, const EnemyGroup& grp, bool leftGroup, int& live, int& shots) {
    const char* side = leftGroup ? "left" : "right";
    const size_t slots = grp.state.size();
    f.expect(slots >= size_t(grp.count) + 1, side, " group: ", slots, " slots for count ", int(grp.count),
             " (the spare slot is missing)");
    for (size_t n :
         {grp.x.size(), grp.y.size(), grp.hp.size(), grp.attack.size(), grp.defense.size(), grp.hit.size(),
          grp.hitTicks.size(), grp.shotFlying.size(), grp.shotX.size(), grp.shotY.size()})
        f.expect(n == slots, side, " group: the arrays do not share one upper bound");
    if (!f.first.empty()) return;
    for (size_t i = 0; i < size_t(grp.count); ++i) {
        const EnemyState s = grp.state[i];
        const int x = grp.x[i], y = grp.y[i], hp = grp.hp[i];
        const bool alive = s == EnemyState::Alive || s == EnemyState::Shooting;
        f.expect(grp.hit[i] == 0 || grp.hit[i] == 1, side, "[", i, "]: hit flag ", int(grp.hit[i]));
        // Spawned at -33 / 361, driven in 4 pixels a tick, to 3 / 293.
        if (leftGroup)
            f.expect(x >= -33 && x <= 3 && (x + 33) % 4 == 0, side, "[", i, "]: x ", x);
        else
            f.expect(x >= 293 && x <= 361 && (361 - x) % 4 == 0, side, "[", i, "]: x ", x);
        if (alive) {
            f.expect(hp >= 1, side, "[", i, "]: \"", s, "\" with ", hp, " HP");
            f.expect(y >= 36 && y <= 275, side, "[", i, "]: row ", y, " outside 36..275");
        }
        if (explosionStage(s) != 0) f.expect(hp <= 0, side, "[", i, "]: exploding with ", hp, " HP");
        if (s == EnemyState::Gone)
            f.expect(y == -1111, side, "[", i, "]: a destroyed enemy is parked at -1111, not ", y);
        live += alive;
        shots += grp.shotFlying[i];
    }
}

}  // namespace

std::string InvariantChecker::check(const GameState& g) {
    Findings f;
    const PlayerState ps = g.playerState;
    const bool dead = ps == PlayerState::Dead;  // the tick that ended the run stopped half-way
    f.expect(g.level >= 1, "level ", int(g.level));
    f.expect(g.lives >= 0, "lives ", int(g.lives));
    f.expect(g.score >= 0 && g.score % 5 == 0, "score ", int64_t(g.score), " (5 per enemy, 10 per tank hit)");
    f.expect(g.score >= score_, "score lowered within a run: ", score_, " -> ", int64_t(g.score));
    f.expect(g.money >= 0, "money ", int64_t(g.money));
    f.expect(g.extraLifePoints >= 0, "extraLifePoints ", g.extraLifePoints);
    f.expect(oneOf(g.gunType, {"Regular", "Ninja", "Shocker", "Psychic"}), "gunType \"", g.gunType, "\"");
    f.expect(oneOf(g.shotType, {"Regular", "Mega", "Giga", "Omega"}), "shotType \"", g.shotType, "\"");
    f.expect(g.attackPower >= 1 && g.playerDefense >= 0 && g.playerMaxHP >= 1, "attack ", int(g.attackPower),
             " defence ", int(g.playerDefense), " full HP ", int(g.playerMaxHP));
    f.expect(g.playerHP <= g.playerMaxHP, "HP ", int(g.playerHP), " above full HP ", int(g.playerMaxHP));
    f.expect(g.playerHP > 0 || ps == PlayerState::Exploding, "HP ", int(g.playerHP), " while \"", ps, "\"");
    f.expect(g.playerX >= -8 && g.playerX <= 292 && (g.playerX - 162) % 10 == 0, "playerX ", int(g.playerX));
    f.expect(g.playerY >= 0 && g.playerY <= 240 && g.playerY % 10 == 0, "playerY ", int(g.playerY));
    f.expect(g.facingLeft != g.facingRight, "facing left ", g.facingLeft, " and right ", g.facingRight);
    f.expect(std::abs(g.volleyTicks - (327.0 - g.playerY) / 4.0) < 1e-9, "volleyTicks ", g.volleyTicks,
             " does not track playerY ", int(g.playerY));
    // explodeFrame is 0 outside an explosion, except that a new run keeps what the last one left (a run
    // left for the title menu mid-explosion) until its own first explosion.
    if (explodeLeftover_ < 0 || ps == PlayerState::Exploding)
        explodeLeftover_ = ps == PlayerState::Exploding ? 0 : int(g.carried.explodeFrame);
    if (ps == PlayerState::Exploding)
        f.range("explodeFrame while exploding", g.carried.explodeFrame, 1, 4);
    else
        f.expect(g.carried.explodeFrame == 0 || g.carried.explodeFrame == explodeLeftover_, "explodeFrame ",
                 int(g.carried.explodeFrame), " while \"", ps, "\"");
    f.range("explodeFrame", g.carried.explodeFrame, 0, 4);
    f.range("flashTicks", g.flashTicks, 0, 2);
    if (ps == PlayerState::Flashing) f.expect(g.flashTicks >= 1, "flashTicks 0 while flashing");
    f.range("blinkTicks", g.blinkTicks, 0, 40);
    if (ps != PlayerState::Blinking && !dead)
        f.expect(g.blinkTicks == 0, "blinkTicks ", int(g.blinkTicks), " while \"", ps, "\"");
    // The player's shot: waiting at the muzzle, which follows the player.
    f.expect(g.shotHomeX == g.playerX + 16 && g.shotHomeY == g.playerY + 32, "muzzle (", int(g.shotHomeX),
             ", ", int(g.shotHomeY), ") for the player at (", int(g.playerX), ", ", int(g.playerY), ")");
    f.expect(g.shotInFlight == 0 || g.shotInFlight == 1, "shotInFlight ", int(g.shotInFlight));
    if (g.shotInFlight == 0)
        f.expect(g.shotX == g.shotHomeX && g.shotY == g.shotHomeY, "a waiting shot at (", int(g.shotX), ", ",
                 int(g.shotY), "), not at the muzzle");
    f.expect(g.tankMaxHP >= 100 && g.tankMaxHP % 100 == 0, "tankMaxHP ", int(g.tankMaxHP));
    f.expect(g.tankHP <= g.tankMaxHP, "tankHP ", int(g.tankHP), " above ", int(g.tankMaxHP));
    f.expect(g.tankShattered == (g.tankHP < 1), "tankShattered ", g.tankShattered, " with tankHP ",
             int(g.tankHP));
    f.range("tankPicIndex", g.tankPicIndex, 0, 3);
    f.range("tankFlashTicks", g.tankFlashTicks, 0, 2);
    f.expect(g.volleyY <= 310, "volleyY ", int(g.volleyY));
    if (g.volleyActive) f.expect(g.volleyY + g.volleyShotH >= 0, "a volley above the field still active");
    f.range("tickCycle", g.tickCycle, 0, 20);
    if (!dead) {
        f.range("volleyTimer", g.volleyTimer, 0, 49);
        f.range("enemyFrame", g.enemyFrame, 1, 2);
        // Kept from the run before, whose last tick stopped after counting them up (once more for each run
        // in a row that ended at its first tick): any count until the new run's first tick.
        const int frameTop = g.tickCycle == 0 ? 32767 : 2;
        f.range("playerFrame", g.carried.playerFrame, 0, frameTop);
        f.range("shotFrame", g.carried.shotFrame, 0, frameTop);
        f.range("volleyFrame", g.carried.volleyFrame, 0, 2);
    }
    // Small enemies: counts never lowered within a level, the field and shot counters match the slots.
    if (g.level != level_) {
        level_ = g.level;
        leftCount_ = rightCount_ = 0;
    }
    f.expect(g.left.count >= leftCount_ && g.right.count >= rightCount_, "counts lowered within level ",
             int(g.level), ": left ", leftCount_, " -> ", int(g.left.count), ", right ", rightCount_, " -> ",
             int(g.right.count));
    int live = 0, shots = 0;
    checkGroup(f, g.left, true, live, shots);
    checkGroup(f, g.right, false, live, shots);
    const int wave = std::min(int(g.level) + 1, 14);
    f.range("enemiesOnField", g.enemiesOnField, 0, wave);
    f.expect(g.enemiesOnField == live, "enemiesOnField ", int(g.enemiesOnField), " but ", live,
             " enemies alive");
    f.range("enemyShotsInAir", g.enemyShotsInAir, 0, wave);
    f.expect(g.enemyShotsInAir == shots, "enemyShotsInAir ", int(g.enemyShotsInAir), " but ", shots,
             " shots flying");
    // Background tiles: the count plus one spare slot.
    f.expect(g.earthTileX.size() == size_t(g.earthTileCount) + 1, "earth tiles: ", g.earthTileX.size(),
             " slots for count ", int(g.earthTileCount));
    f.expect(g.starsTileX.size() == size_t(g.starsTileCount) + 1, "star tiles: ", g.starsTileX.size(),
             " slots for count ", int(g.starsTileCount));
    leftCount_ = g.left.count;
    rightCount_ = g.right.count;
    score_ = g.score;
    return f.first;
}

std::string describeState(const GameState& g) {
    std::ostringstream o;
    o << "level " << g.level << "  score " << int64_t(g.score) << "  money " << int64_t(g.money) << "  lives "
      << g.lives << "  HP " << g.playerHP << "/" << g.playerMaxHP << "  attack " << g.attackPower
      << "  defence " << g.playerDefense << "  gun " << g.gunType << "  shot " << g.shotType
      << "  extraLifePoints " << g.extraLifePoints << "\nplayer (" << g.playerX << ", " << g.playerY << ") \""
      << g.playerState << "\" facing " << (g.facingRight ? "right" : "left") << "  explodeFrame "
      << g.carried.explodeFrame << "  flashTicks " << g.flashTicks << "  blinkTicks " << g.blinkTicks
      << "  volleyTicks " << g.volleyTicks << "\nshot " << g.shotInFlight << " at (" << g.shotX << ", "
      << g.shotY << ") muzzle (" << g.shotHomeX << ", " << g.shotHomeY << ") size " << g.shotW << "x"
      << g.shotH << "\ntank " << g.tankHP << "/" << g.tankMaxHP << " pic " << g.tankPicIndex << " shattered "
      << g.tankShattered << " flashing " << g.tankFlashing << "/" << g.tankFlashTicks << "  volley "
      << g.volleyActive << " y " << g.volleyY << " timer " << g.volleyTimer << " shots flying";
    for (const bool s : g.carried.volleyShotFlying) o << " " << s;
    o << "\nenemiesOnField " << g.enemiesOnField << "  spawnOpen " << g.spawnOpen << "  enemyShotsInAir "
      << g.enemyShotsInAir << "  tickCycle " << g.tickCycle << "  frames " << g.carried.playerFrame << "/"
      << g.carried.shotFrame << "/" << g.enemyFrame << "/" << g.carried.volleyFrame << "\n";
    for (const auto* grp : {&g.left, &g.right}) {
        o << (grp == &g.left ? "left" : "right") << " count " << grp->count << " slots " << grp->state.size()
          << "\n";
        for (size_t i = 0; i < size_t(grp->count) && i < grp->state.size(); ++i)
            o << "  [" << i << "] \"" << grp->state[i] << "\" (" << grp->x[i] << ", " << grp->y[i] << ") hp "
              << grp->hp[i] << " shot " << grp->shotFlying[i] << " (" << grp->shotX[i] << ", "
              << grp->shotY[i] << ")\n";
    }
    return o.str();
}

}  // namespace test
}  // namespace vrh
