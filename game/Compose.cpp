#include "game/Compose.h"

#include "game/Explosions.h"
#include "game/Shots.h"
#include "game/GameWindow.h"
#include "game/Phases.h"
#include "game/States.h"

namespace vrh {

void scrollLayer(std::vector<double>& tileX, Int16& count) {
    const int n = count;  // the count as the loop starts
    for (int i = 0; i < n; ++i) {
        tileX[i] -= 0.5;
        if (tileX[i] + 484 == 484) {
            // At 32767 tiles (a year of play) no tile is added any more.
            if (count >= Int16::kMax) continue;
            count += 1;
            tileX.resize(size_t(int(count)) + 1);  // keeps the spare slot
            tileX[count - 1] = 480;
        }
    }
}

void drawLayer(const std::vector<double>& tileX, int count, Pic picture, int y, int w, int h, Frame& frame) {
    for (int i = 0; i < count; ++i) {
        const double x = roundHalfEven(tileX[i]);
        if (x + w <= 0 || x >= kFieldW) continue;  // wholly outside the field
        frame.copy({picture, 0}, int(x), y, w, h);
    }
}

namespace {

// The bee in its pose: facing left and facing right are tested separately.
void drawBee(const GameState& g, Frame& frame, bool flash) {
    const uint8_t f = uint8_t(g.carried.playerFrame - 1);
    const int x = g.playerX, y = g.playerY, w = g.playerW, h = g.playerH;
    if (g.facingLeft) {
        if (!g.fireHeld)
            frame.masked({Pic::beeleftmask, f}, {flash ? Pic::beeleftf : Pic::beeleft, f}, x, y, w, h);
        else
            frame.masked({Pic::beeleftsmask, f}, {flash ? Pic::beeleftsf : Pic::beelefts, f}, x, y, w, h);
    }
    if (g.facingRight) {
        if (!g.fireHeld)
            frame.masked({Pic::beerightmask, f}, {flash ? Pic::beerightf : Pic::beeright, f}, x, y, w, h);
        else
            frame.masked({Pic::beerightsmask, f}, {flash ? Pic::beerightsf : Pic::beerights, f}, x, y, w, h);
    }
}

int pixel(double x) { return int(roundHalfEven(x)); }

}  // namespace

void drawPlayer(GameState& g, Frame& frame) {
    if (g.playerState == PlayerState::Exploding) {
        advancePlayerExplosion(g, frame);
    } else if (g.playerState == PlayerState::Flashing) {
        g.flashTicks += 1;
        if (g.flashTicks >= 3) {
            g.flashTicks = 0;
            g.playerState = PlayerState::Alive;  // not drawn on this tick
        } else {
            drawBee(g, frame, true);
        }
    } else if (g.playerState == PlayerState::Blinking) {
        if (g.blinkTicks == 41) {
            g.blinkTicks = 0;
            g.playerState = PlayerState::Alive;  // not drawn on this tick
        } else if (g.blinkTicks % 2 == 0) {
            drawBee(g, frame, false);
        }
    } else if (g.playerState == PlayerState::Alive) {
        drawBee(g, frame, false);
    }
}

void drawPlayerShot(GameState& g, Frame& frame) {
    if (g.shotInFlight != 1) return;
    const auto pics = shotPictures(g.gunType, g.shotType);
    if (!pics) return;  // no picture: nothing drawn, the size stays
    measureShot(g, *pics);
    const uint8_t f = uint8_t(g.carried.shotFrame - 1);
    frame.masked({pics->mask, f}, {pics->picture, f}, g.shotX, g.shotY, g.shotW, g.shotH);
}

void drawVolley(const GameState& g, Frame& frame) {
    if (!g.volleyActive) return;
    const uint8_t vf = uint8_t(g.carried.volleyFrame - 1);
    for (int i : {1, 2})
        if (g.carried.volleyShotFlying[i])
            frame.masked({Pic::tankshotmask, vf}, {Pic::tankshot, vf}, pixel(g.volleyX[i]), g.volleyY,
                         g.volleyShotW, g.volleyShotH);
    // The diagonal shots use the regular player shot picture at the current shot size.
    const uint8_t sf = uint8_t(g.carried.shotFrame - 1);
    for (int i : {0, 3})
        if (g.carried.volleyShotFlying[i])
            frame.masked({Pic::shotmask, sf}, {Pic::shot, sf}, pixel(g.volleyX[i]), g.volleyY, g.shotW,
                         g.shotH);
}

namespace {

// The pictures of one group: the left group faces right and is drawn with
// the "enemyright" pictures.
struct GroupPictures {
    Pic mask, body, flash, shootMask, shoot, shootFlash;
};

GroupPictures groupPictures(bool leftGroup) {
    if (leftGroup)
        return {Pic::enemyrightmask,     Pic::enemyright,     Pic::enemyrightf,
                Pic::enemyrightshotmask, Pic::enemyrightshot, Pic::enemyrightshotf};
    return {Pic::enemyleftmask,     Pic::enemyleft,     Pic::enemyleftf,
            Pic::enemyleftshotmask, Pic::enemyleftshot, Pic::enemyleftshotf};
}

// A hit tank flashes for three drawn ticks.
void countHitFlash(EnemyGroup& grp, int i) {
    grp.hitTicks[i] += 1;
    if (grp.hitTicks[i] >= 3) {
        grp.hit[i] = 0;
        grp.hitTicks[i] = 0;
    }
}

// One standing tank: its body, its firing pose (shown for one tick) or
// either of them flashing after a hit.
void drawStandingTank(EnemyGroup& grp, int i, const GroupPictures& pics, uint8_t bodyFrame, Frame& frame,
                      int w, int h) {
    const int x = grp.x[i], y = grp.y[i];
    const bool flashing = grp.hit[i] == 1;
    if (grp.state[i] == EnemyState::Alive) {
        frame.masked({pics.mask, 0}, {flashing ? pics.flash : pics.body, bodyFrame}, x, y, w, h);
    } else {
        frame.masked({pics.shootMask, 0}, {flashing ? pics.shootFlash : pics.shoot, 0}, x, y, w, h);
        // A hit tank always stands again; an unhit one only while it has HP.
        if (flashing || grp.hp[i] > 0) grp.state[i] = EnemyState::Alive;
    }
    if (flashing) countHitFlash(grp, i);
}

}  // namespace

void drawGroup(GameState& g, EnemyGroup& grp, bool leftGroup, Frame& frame) {
    const GroupPictures pics = groupPictures(leftGroup);
    const uint8_t bodyFrame = uint8_t(g.enemyFrame - 1);
    for (int i = 0; i < grp.count; ++i) {
        flyEnemyShot(g, grp, leftGroup, i, frame);
        const EnemyState state = grp.state[i];
        const bool standing = state == EnemyState::Alive || state == EnemyState::Shooting;
        if (standing && (grp.hit[i] == 0 || grp.hit[i] == 1))
            drawStandingTank(grp, i, pics, bodyFrame, frame, g.enemyW, g.enemyH);
        else if (const int stage = explosionStage(state))
            advanceEnemyExplosion(grp, i, stage, frame);
    }
}

void composeFrame(GameWindow& w) {
    GameState& g = w.svc.g;
    Frame& frame = w.frameInProgress();
    frame.clear();

    // 1. Background: earth scrolls first, then the stars; stars drawn first.
    scrollLayer(g.earthTileX, g.earthTileCount);
    scrollLayer(g.starsTileX, g.starsTileCount);
    drawLayer(g.starsTileX, g.starsTileCount, Pic::imgStars, -8, g.starsW, g.starsH, frame);
    drawLayer(g.earthTileX, g.earthTileCount, Pic::imgEarth, g.earthY, g.earthW, g.earthH, frame);

    // 2-4. Player, its shot, the volley.
    drawPlayer(g, frame);
    drawPlayerShot(g, frame);
    drawVolley(g, frame);

    // 5. The big tank; once shattered it starts the level change on every tick.
    if (!g.tankShattered) {
        const uint8_t p = uint8_t(int(g.tankPicIndex));
        frame.masked({Pic::tankmask, 0}, {g.tankFlashing ? Pic::tankflash : Pic::tank, p}, g.tankX, g.tankY,
                     g.tankW, g.tankH);
    } else {
        frame.masked({Pic::tankShatterMask, 0}, {Pic::tankShatter, 0}, g.tankX, g.tankY, g.tankW, g.tankH);
        w.levelUpTimer.setEnabled(true);
    }

    // 6-7. Left group, then right group.
    drawGroup(g, g.left, true, frame);
    drawGroup(g, g.right, false, frame);

    // 8. Shown in the window.
    w.svc.host.present(frame);
}

}  // namespace vrh
