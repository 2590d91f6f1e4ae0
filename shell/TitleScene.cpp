#include "shell/TitleScene.h"

#include <algorithm>

namespace vrh {

namespace {
constexpr int kStrip = 4;         // pixels a strip moves per step
constexpr int kTileArrives = 40;  // a tile at this x makes room for the next one
constexpr int kNewTileX = 520;
}  // namespace

TitleScene::TitleScene(TitleServices s) : svc(s) {}

void TitleScene::onLoad(int logoWidth, int logoHeight) {
    logoW = logoWidth;
    logoH = logoHeight;
    logoX = 0;
    logoY = 0;

    Sounds& snd = svc.snd;
    snd.titleOpeningSound.open(svc.paths.fileTitle1);
    snd.menuMoveSound.open(svc.paths.fileMenuMove);
    snd.titleOpeningSound.play();
    snd.titleLoopSound.open(svc.paths.fileTitle2);

    WindowFlags& f = svc.globals.flags;
    f.mainMenuShowing = true;
    f.aboutShowing = false;
    f.gameShowing = false;
    svc.g.score = 0;
    svc.globals.playerName.clear();
    svc.globals.newGameAllowed = true;

    ticksSinceLoad = 0;
    titleTopX = {-360, 120};
    titleBand1X = {-360, 120};
    titleBand2X = {-360, 120};
    titleBand3X = {-360, 120};
    frameTick = 0;
    spriteFrame = 0;
    spriteRising = false;
    spriteX = 248;
    spriteY = 180;
    spriteW = 33;
    spriteH = 42;
    inputArmed = false;
}

void TitleScene::onUnload() {
    Sounds& snd = svc.snd;
    snd.titleOpeningSound.stop();
    snd.titleLoopSound.stop();
    snd.titleOpeningSound.close();
    snd.titleLoopSound.close();
    svc.globals.flags.mainMenuShowing = false;
}

int TitleScene::highlighted() const {
    const auto e = entries();
    for (int i = 0; i < 4; ++i)
        if (e[size_t(i)]->selected) return i;
    return 0;
}

void TitleScene::bobShip() {
    int& y = spriteY;
    if (!spriteRising) {
        if (y <= 180)
            y += 3;
        else if (y <= 250)
            y += 4;
        else if (y <= 300)
            y += 5;
        else if (y <= 328)
            y += 4;
        else if (y <= 351)
            y += 3;
        else
            spriteRising = true;
    } else {
        if (y >= 352)
            y -= 3;
        else if (y >= 328)
            y -= 4;
        else if (y >= 300)
            y -= 5;
        else if (y >= 250)
            y -= 4;
        else if (y >= 181)
            y -= 3;
        else
            spriteRising = false;
    }
}

void TitleScene::scrollStrip(std::vector<int>& x) {
    const size_t count = x.size();  // a tile added now moves from the next tick on
    for (size_t i = 0; i < count; ++i) {
        x[i] -= kStrip;
        if (x[i] == kTileArrives) x.push_back(kNewTileX);
    }
}

void TitleScene::moveHighlight(int step) {
    const auto e = entries();
    const int from = highlighted();
    const int to = (from + step + 4) % 4;
    e[size_t(from)]->selected = false;
    e[size_t(from)]->ForeColor = kMenuNormal;
    e[size_t(to)]->selected = true;
    e[size_t(to)]->ForeColor = kMenuHighlight;
    svc.snd.menuMoveSound.play();
}

bool TitleScene::startAction() {
    Globals& gl = svc.globals;
    switch (highlighted()) {
    case 0:  // New Game
        if (gl.newGameAllowed && gl.playerName.empty()) svc.host.showNamePrompt();
        return true;
    case 1:  // Load
        gl.loadMode = true;
        svc.host.showLoadWindow();
        gl.flags.loadShowing = true;
        svc.snd.titleOpeningSound.stop();
        svc.snd.titleLoopSound.stop();
        svc.snd.titleLoopSound.close();
        svc.snd.titleOpeningSound.close();
        svc.host.unloadTitle();
        return false;
    case 2:  // High Scores: no new score to enter
        svc.g.score = 0;
        svc.host.showHighScores();
        svc.host.unloadTitle();
        return false;
    default:  // Quit: the start-up's watchdog ends the program
        gl.flags.closeForQuit();
        return true;
    }
}

bool TitleScene::onAnimationTick(bool windowInFront) {
    ++frameTick;
    ++spriteFrame;
    if (ticksSinceLoad < kArmTick) ++ticksSinceLoad;

    inFront = windowInFront;
    const bool active = windowInFront;
    if (active && ticksSinceLoad == kArmTick) inputArmed = true;

    if (frameTick >= 11) frameTick = 1;
    if (spriteFrame >= 3) spriteFrame = 1;

    bobShip();

    scrollStrip(titleBand1X);
    scrollStrip(titleBand2X);
    scrollStrip(titleBand3X);
    if (frameTick == 10) scrollStrip(titleTopX);

    // Every key is queried once on every tick, armed or not: a press made
    // before the menu takes input is not kept for later, and a short tap of
    // Up is not used up by the Down step before the Up step sees it.
    const ButtonMap& k = svc.globals.keys;
    const int16_t downState = svc.keys.GetAsyncKeyState(int(k.keyDown));
    const int16_t upState = svc.keys.GetAsyncKeyState(int(k.keyUp));
    const bool down = downRepeat_.step(downState), up = upRepeat_.step(upState);
    if (inputArmed && down && upState == 0 && active) moveHighlight(+1);
    if (inputArmed && up && downState == 0 && active) moveHighlight(-1);
    const bool start = pressed(int(k.keyStart));
    if (start && inputArmed && active && !startAction()) return false;

    const bool f1 = pressed(kVkF1);
    if (f1 && inputArmed) svc.host.toggleWindowState();
    return true;
}

void TitleScene::onThemeTick() {
    Sound& opening = svc.snd.titleOpeningSound;
    Sound& loop = svc.snd.titleLoopSound;
    if (opening.positionMs() >= 25650) {
        if (loop.mode() == TrackMode::Stopped || loop.positionMs() >= 80880) loop.play();
    }
}

void TitleScene::compose(Frame& scene, Frame& logo) const {
    scene.clear();
    logo.clear();
    // Tiles that lie wholly outside the canvas draw nothing; they are left out.
    auto tiles = [&](const std::vector<int>& xs, Pic pic, int y, int h) {
        for (int x : xs)
            if (x + titleTileW > 0 && x < kCanvasW) scene.copy(SpriteRef{pic, 0}, x, y, titleTileW, h);
    };
    tiles(titleTopX, Pic::imgBG1, titleTopY, titleTopH);
    tiles(titleBand1X, Pic::imgBG2, titleBand1Y, titleBandH);
    tiles(titleBand2X, Pic::imgBG2, titleBand2Y, titleBandH);
    tiles(titleBand3X, Pic::imgBG2, titleBand3Y, titleBandH);
    const uint8_t f = uint8_t(std::clamp(spriteFrame - 1, 0, 1));
    scene.masked(SpriteRef{Pic::beerightmask, f}, SpriteRef{Pic::beeright, f}, spriteX, spriteY, spriteW,
                 spriteH);
    logo.masked(SpriteRef{Pic::imgvrhlm, 0}, SpriteRef{Pic::imgvrhl, 0}, logoX, logoY, logoW, logoH);
}

}  // namespace vrh
