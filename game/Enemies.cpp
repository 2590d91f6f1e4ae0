// Small enemy tanks: firing, hurting the player, driving in and spawning.
#include <cmath>

#include "game/Shots.h"
#include "game/Phases.h"
#include "game/States.h"

namespace vrh {

bool playerCanBeHit(const GameState& g) {
    return g.playerState == PlayerState::Alive || g.playerState == PlayerState::Flashing;
}

void playerHurt(GameWindow& w) {
    GameState& g = w.svc.g;
    if (g.playerHP <= 0) {
        g.playerState = PlayerState::Exploding;
        w.svc.snd.explosionSound.play();
    } else {
        // A hit while already flashing does not restart the flash count.
        g.playerState = PlayerState::Flashing;
    }
}

namespace {

// One repetition of the firing pass for one group. Returns true when a member
// fired. The left group fires on the left's turn, the right group on the right's.
bool groupFires(GameWindow& w, EnemyGroup& grp, bool leftGroup) {
    GameState& g = w.svc.g;
    int empty = 0;
    for (int i = 0; i < grp.count; ++i) {
        const bool myTurn = leftGroup ? !g.rightGroupTurn : g.rightGroupTurn;
        const bool onField = leftGroup ? grp.x[i] >= 0 : grp.x[i] <= 296;
        if (g.enemyShotsInAir < g.level + 1 && g.enemyShotsInAir < 14 && myTurn &&
            grp.state[i] == EnemyState::Alive && onField && !grp.shotFlying[i]) {
            grp.state[i] = EnemyState::Shooting;
            g.enemyShotsInAir += 1;
            g.rightGroupTurn = leftGroup;
            grp.shotFlying[i] = true;
            w.svc.snd.enemyShotSound.play();
            return true;
        }
        if (grp.state[i] == EnemyState::Gone) {
            ++empty;
            // Every member of this group is gone: the turn passes to the other group.
            if (empty == grp.count) g.rightGroupTurn = leftGroup;
        }
    }
    return false;
}

}  // namespace

void firingPass(GameWindow& w) {
    GameState& g = w.svc.g;
    // The pass repeats leftCount + rightCount + 1 times. A repetition in which
    // nobody fires and the turn ends where it started leaves the state as it
    // found it, so every later repetition would do the same nothing: stop there.
    const int64_t repetitions = int64_t(g.left.count) + g.right.count + 1;
    for (int64_t r = 0; r < repetitions; ++r) {
        const bool turnBefore = g.rightGroupTurn;
        const bool leftFired = groupFires(w, g.left, true);
        const bool rightFired = groupFires(w, g.right, false);
        if (!leftFired && !rightFired && g.rightGroupTurn == turnBefore) break;
    }
}

namespace {

void shotsOfGroupHitPlayer(GameWindow& w, EnemyGroup& grp, bool leftGroup) {
    GameState& g = w.svc.g;
    for (int i = 0; i < grp.count; ++i) {
        if (!playerCanBeHit(g) || !grp.shotFlying[i]) continue;
        if (!boxHit(g, g.playerX, g.playerY, g.playerW, g.playerH, grp.shotX[i], grp.shotY[i], g.shotW,
                    g.shotH))
            continue;
        if (g.playerDefense >= grp.attack[i])
            g.playerHP -= 1;
        else
            g.playerHP = g.playerHP - grp.attack[i] + g.playerDefense;
        playerHurt(w);
        grp.shotFlying[i] = false;
        g.enemyShotsInAir -= 1;
        // Back to its owner; y stays.
        grp.shotX[i] = leftGroup ? grp.x[i] + 32 : int(grp.x[i]);
    }
}

void groupRamsPlayer(GameWindow& w, EnemyGroup& grp, bool leftGroup) {
    GameState& g = w.svc.g;
    for (int i = 0; i < grp.count; ++i) {
        if (!playerCanBeHit(g) || grp.state[i] != EnemyState::Alive) continue;
        if (!boxHit(g, g.playerX, g.playerY, g.playerW, g.playerH, grp.x[i], grp.y[i], g.enemyW, g.enemyH))
            continue;
        g.playerState = PlayerState::Exploding;
        // A ram from the left drops the HP at once; one from the right leaves
        // it shown until the explosion ends.
        if (leftGroup) g.playerHP = 0;
        grp.hp[i] = 0;
        grp.state[i] = EnemyState::Explode1;
        g.enemiesOnField -= 1;
        w.svc.snd.explosionSound.play();
    }
}

}  // namespace

void enemyShotsHitPlayer(GameWindow& w) {
    shotsOfGroupHitPlayer(w, w.svc.g.left, true);
    shotsOfGroupHitPlayer(w, w.svc.g.right, false);
}

void enemiesRamPlayer(GameWindow& w) {
    groupRamsPlayer(w, w.svc.g.left, true);
    groupRamsPlayer(w, w.svc.g.right, false);
}

void driveEnemiesIn(GameState& g) {
    // Every slot, whatever its state: spawned at -33 and 361 they stop at 3 and 293.
    for (int i = 0; i < g.left.count; ++i)
        if (g.left.x[i] < 0) g.left.x[i] += 4;
    for (int i = 0; i < g.right.count; ++i)
        if (g.right.x[i] > 296) g.right.x[i] -= 4;
}

void spawnEnemy(GameWindow& w) {
    GameState& g = w.svc.g;
    const int wave = g.level + 1;
    if (g.enemiesOnField >= wave || !g.spawnOpen || g.enemiesOnField >= 14) {
        if (g.enemiesOnField == wave || g.enemiesOnField == 14) g.spawnOpen = false;
        return;
    }
    g.carried.spawnBlocked = 0;
    const int row = int(std::floor(w.svc.rnd.next() * 240)) + g.playerW + 3;  // 36 .. 275
    const bool toLeft = g.spawnLeftNext;
    EnemyGroup& grp = toLeft ? g.left : g.right;
    // Destroyed slots block too: their y stays (or is parked at -1111).
    for (int i = 0; i < grp.count; ++i) {
        const int y = grp.y[i];
        if (!(row + g.enemyW < y || row > y + g.enemyW)) g.carried.spawnBlocked += 1;
    }
    // A group whose count has reached the 16-bit limit takes no one more: the
    // attempt counts as blocked, so the slots and their spare stay consistent.
    const bool full = grp.count >= Int16::kMax;
    if (g.carried.spawnBlocked > 0 || full) {
        g.spawnLeftNext = !g.spawnLeftNext;
        return;
    }
    const int n = grp.append();
    const int half = int(std::floor(g.level / 2.0));  // Int(level / 2)
    grp.defense[n] = g.level == 1 ? 0 : half + 1;
    grp.hit[n] = 0;
    grp.hitTicks[n] = 0;
    grp.attack[n] = half + 1;
    grp.hp[n] = g.level;
    grp.shotFlying[n] = false;
    grp.y[n] = row;
    grp.state[n] = EnemyState::Alive;
    grp.x[n] = toLeft ? -int(g.enemyW) : 328 + g.enemyW;
    grp.shotX[n] = toLeft ? grp.x[n] + 32 : grp.x[n] - 62;
    grp.shotY[n] = grp.y[n] + 4;
    g.spawnLeftNext = !toLeft;
    g.enemiesOnField += 1;
}

}  // namespace vrh
