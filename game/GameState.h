#pragma once
// The state of a run: the shared module of the game (every window reads and
// writes it) plus the few fields that belong to the game window itself.
#include <array>
#include <string>
#include <vector>

#include "game/EnemyGroup.h"
#include "game/Int16.h"
#include "audio/MusicTracks.h"

namespace vrh {

// What the player is doing.
enum class PlayerState : uint8_t {
    Alive,
    Flashing,   // hit, still standing
    Exploding,  // out of hit points: the four-frame explosion
    Blinking,   // back after losing a life, cannot be hit yet
    Dead,       // the run is over
};

// The twelve pad buttons, each a Windows virtual-key code.
struct ButtonMap {
    Int16 keyA = 32, keyB = 77, keyC = 78, keyX = 79, keyY = 80, keyZ = 81;
    Int16 keyUp = 38, keyDown = 40, keyLeft = 37, keyRight = 39;
    Int16 keyStart = 13, keySelect = 16;
};

// Window-open flags, one per window, True while it is open.
struct WindowFlags {
    bool mainMenuShowing = false, gameShowing = false, loadShowing = false;
    bool highScoresShowing = false, buttonConfigShowing = false, nameShowing = false;
    bool aboutShowing = false, optionsShowing = false, upgradesShowing = false;
    // Quit, from the title menu or the game's close box: the windows the
    // start-up's watchdog waits on read closed, so it ends the program.
    void closeForQuit() { nameShowing = gameShowing = mainMenuShowing = highScoresShowing = false; }
};

// The fields a new run does not reset: the animation frames run on, and what
// the last run's shots and spawning left stays unseen until it is set again.
struct CarriedBetweenRuns {
    Int16 playerFrame = 0, explodeFrame = 0, shotFrame = 0, volleyFrame = 0;
    bool shotLeft = false, shotRight = false;  // the direction of the last shot
    bool hitFlag = false;
    std::array<bool, 4> volleyShotFlying{};
    double volleyStepRight = 0, volleyStepLeft = 0;  // set at each launch
    Int16 spawnBlocked = 0;
};

// Every initialiser below is the value a new run starts with (startNewRun in
// game/RunStart.h); the enemy groups keep their slots and start with none.
struct GameState {
    // Run totals and player attributes.
    Int16 level = 1;
    Int32 score = 0;
    Int32 money = 0;
    Int16 lives = 5;
    Int16 playerHP = 5;
    Int16 playerMaxHP = 5;
    Int16 attackPower = 1;
    Int16 playerDefense = 0;
    std::string gunType = "Regular";   // "Regular", "Ninja", "Shocker", "Psychic"
    std::string shotType = "Regular";  // "Regular", "Mega", "Giga", "Omega"
    double extraLifePoints = 0.0;
    Int16 extraLifeStep = 1000;  // ten times the extra-life price

    // Player.
    Int16 playerX = 162, playerY = 0;
    Int16 playerW = 33, playerH = 42;
    bool facingLeft = false, facingRight = true;
    bool fireHeld = false;
    PlayerState playerState = PlayerState::Alive;
    Int16 blinkTicks = 0;

    // The player's shot.
    Int16 shotInFlight = 0;
    Int16 shotX = 178, shotY = 32;
    Int16 shotHomeX = 178, shotHomeY = 32;  // the muzzle: player x + 16, y + 32
    Int16 shotW = 14, shotH = 14;

    // Big tank along the bottom.
    Int16 tankX = 0, tankY = 296;
    Int16 tankW = 330, tankH = 65;
    Int16 tankHP = 100, tankMaxHP = 100;
    bool tankFlashing = false;
    Int16 tankFlashTicks = 0;
    bool tankShattered = false;
    Int16 tankPicIndex = 0;

    // The big tank's volley.
    bool volleyActive = false;
    Int16 volleyTimer = 0;
    Int16 volleyY = 310;
    std::array<double, 4> volleyX{11, 101, 218, 308};
    Int16 volleyShotW = 11, volleyShotH = 31;
    double volleyTicks = 81.75;

    // Small enemy tanks: left group enters from the left, right from the right.
    EnemyGroup left, right;
    Int16 enemyW = 33, enemyH = 24;

    // Spawning, firing and pacing.
    Int16 enemiesOnField = 0;
    bool spawnOpen = true;
    bool spawnLeftNext = false;
    Int16 enemyShotsInAir = 0;
    bool rightGroupTurn = false;
    Int16 tickCycle = 0;
    Int16 enemyFrame = 1;

    // Background layout constants (set when the game window loads).
    Int16 earthW = 484, earthH = 164, earthY = 200, starsW = 484, starsH = 214;

    // Game-window fields.
    Int16 flashTicks = 0;
    bool controlsArmed = false;
    std::vector<double> earthTileX{-242, 238, 0};  // count + 1 slots
    std::vector<double> starsTileX{-242, 238, 0};
    Int16 earthTileCount = 2, starsTileCount = 2;

    // Left as the last run left them; see startNewRun.
    CarriedBetweenRuns carried;
};

// The rest of the shared module: program-wide globals outside a run.
struct Globals {
    ButtonMap keys;
    WindowFlags flags;
    std::string playerName;
    bool newGameAllowed = true;
    bool loadMode = true;
    // The chosen music track, by title; set by the options window.
    std::string musicChoice{kDefaultTrack};
};

}  // namespace vrh
