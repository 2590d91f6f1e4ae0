#include "game/Shots.h"

#include <array>

#include "game/Phases.h"
#include "game/States.h"

namespace vrh {

bool boxHit(GameState& g, double x1, double y1, double w1, double h1, double x2, double y2, double w2,
            double h2) {
    g.carried.hitFlag = false;
    const bool topLeftInside = x1 <= x2 && x2 <= x1 + w1 && y1 <= y2 && y2 <= y1 + h1;
    const double x2r = x2 + w2, y2b = y2 + h2;
    const bool bottomRightInside = x1 <= x2r && x2r <= x1 + w1 && y1 <= y2b && y2b <= y1 + h1;
    if (topLeftInside || bottomRightInside) g.carried.hitFlag = true;
    return g.carried.hitFlag;
}

std::optional<ShotPictures> shotPictures(const std::string& gunType, const std::string& shotType) {
    // Rows by gun type, columns by shot type, both in the order the game compares them.
    static const std::array<std::string, 4> guns{"Regular", "Ninja", "Shocker", "Psychic"};
    static const std::array<std::string, 4> shots{"Regular", "Mega", "Giga", "Omega"};
    static const ShotPictures table[4][4] = {
        {{Pic::shot, Pic::shotmask, ShotSizeRule::ByHeight},
         {Pic::shot2, Pic::shot2mask, ShotSizeRule::ByHeight},
         {Pic::shot3, Pic::shot3mask, ShotSizeRule::ByHeight},
         {Pic::shot4, Pic::shot4mask, ShotSizeRule::ByHeight}},
        {{Pic::imgnsr, Pic::imgnsrm, ShotSizeRule::ByWidth},
         {Pic::imgnsm, Pic::imgnsmm, ShotSizeRule::ByWidth},
         {Pic::imgnsg, Pic::imgnsgm, ShotSizeRule::ByWidth},
         {Pic::imgnso, Pic::imgnsom, ShotSizeRule::ByWidth}},
        {{Pic::imgssr, Pic::imgssrm, ShotSizeRule::ByHeight},
         {Pic::imgssm, Pic::imgssmm, ShotSizeRule::ByHeight},
         {Pic::imgssg, Pic::imgssgm, ShotSizeRule::ByHeight},
         {Pic::imgsso, Pic::imgssom, ShotSizeRule::ByHeight}},
        {{Pic::imgpsr, Pic::imgpsrm, ShotSizeRule::ByHeight},
         {Pic::imgpsm, Pic::imgpsmm, ShotSizeRule::ByHeight},
         {Pic::imgpsg, Pic::imgpsgm, ShotSizeRule::ByHeight},
         {Pic::imgpso, Pic::imgpsom, ShotSizeRule::ByHeight}},
    };
    for (size_t gi = 0; gi < guns.size(); ++gi) {
        if (gunType != guns[gi]) continue;
        for (size_t si = 0; si < shots.size(); ++si)
            if (shotType == shots[si]) return table[gi][si];
        return std::nullopt;
    }
    return std::nullopt;
}

void measureShot(GameState& g, const ShotPictures& p) {
    // Frame 0's box in whole pixels; shots are always drawn square.
    const PicInfo& info = picInfo(p.picture);
    if (p.rule == ShotSizeRule::ByWidth) {
        g.shotW = int(info.w);
        g.shotH = g.shotW;
    } else {
        g.shotH = int(info.h);
        g.shotW = g.shotH;
    }
}

void endPlayerShot(GameState& g, bool clearDirection) {
    if (clearDirection) {
        g.carried.shotLeft = false;
        g.carried.shotRight = false;
    }
    g.shotY = g.shotHomeY;
    g.shotX = g.shotHomeX;
    g.shotInFlight = 0;
}

namespace {

// One group against the player's shot; stops as soon as the shot has ended.
void shotAgainstGroup(GameWindow& w, EnemyGroup& grp) {
    GameState& g = w.svc.g;
    for (int i = 0; i < grp.count; ++i) {
        if (!(g.shotInFlight == 1 && grp.state[i] == EnemyState::Alive)) continue;
        if (!boxHit(g, grp.x[i], grp.y[i], g.enemyW, g.enemyH, g.shotX, g.shotY, g.shotW, g.shotH)) continue;
        if (grp.defense[i] >= g.attackPower)
            grp.hp[i] -= 1;
        else
            grp.hp[i] -= g.attackPower - grp.defense[i];
        if (grp.hp[i] <= 0) {
            w.svc.snd.explosionSound.play();
            g.score += 5;
            g.money += g.level;
            g.extraLifePoints += 0.5;
            g.enemiesOnField -= 1;
            grp.state[i] = EnemyState::Explode1;
            grp.hit[i] = 0;
        } else {
            grp.hit[i] = 1;
            grp.hitTicks[i] = 0;
        }
        // The direction flags stay; the next launch sets them.
        endPlayerShot(g, false);
    }
}

}  // namespace

void playerShotHitsEnemies(GameWindow& w) {
    GameState& g = w.svc.g;
    shotAgainstGroup(w, g.right);
    shotAgainstGroup(w, g.left);
}

void shotLeavesFieldAndFlies(GameState& g) {
    // Leaving the field: the right edge is tested with the regular width 14.
    if (g.shotY > 360) endPlayerShot(g, true);
    if (g.shotX < 0) endPlayerShot(g, true);
    if (g.shotX + 14 > 328) endPlayerShot(g, true);
    if (g.shotInFlight == 1) {
        if (g.carried.shotRight) {
            g.shotY += 7;
            g.shotX += 7;
        } else if (g.carried.shotLeft) {
            g.shotY += 7;
            g.shotX -= 7;
        }
    }
}

void playerShotHitsTank(GameWindow& w) {
    GameState& g = w.svc.g;
    if (!(g.shotInFlight == 1 && g.shotY > g.tankY && !g.tankShattered)) return;
    endPlayerShot(g, true);
    g.tankHP -= g.attackPower;
    g.score += 10;
    g.extraLifePoints += 1.0;
    g.tankFlashing = true;
    // Damage picture by quarters of the full hit points, in floating point.
    const double full = g.tankMaxHP;
    const int hp = g.tankHP;
    if (hp > 0.75 * full) {
        // unchanged
    } else if (hp > 0.5 * full) {
        g.tankPicIndex = 1;
    } else if (hp > 0.25 * full) {
        g.tankPicIndex = 2;
    } else if (hp >= 1) {
        g.tankPicIndex = 3;
    } else {
        g.tankShattered = true;
        // level x 100 is a 16-bit product: it saturates at 32767 above level 327.
        const Int16 payout = g.level * 100;
        g.money += payout;
        w.showStatus();
    }
}

void flyEnemyShot(GameState& g, EnemyGroup& grp, bool leftGroup, int i, Frame& frame) {
    if (!grp.shotFlying[i]) return;
    const bool inField = leftGroup ? grp.shotX[i] < 328 : grp.shotX[i] > 0;
    if (inField) {
        grp.shotX[i] += leftGroup ? 10 : -10;
        const uint8_t f = uint8_t(g.carried.shotFrame - 1);
        frame.masked({Pic::enemyshotmask, f}, {Pic::enemyshot, f}, grp.shotX[i], grp.shotY[i], g.shotW,
                     g.shotH);
    } else {
        grp.shotFlying[i] = false;
        g.enemyShotsInAir -= 1;
        grp.shotX[i] = leftGroup ? grp.x[i] + 32 : int(grp.x[i]);
        grp.shotY[i] = grp.y[i] + 4;
    }
}

}  // namespace vrh
