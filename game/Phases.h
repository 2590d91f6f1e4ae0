#pragma once
// The phases of the 50 ms game tick, one function each, in the order the tick
// runs them (game/Tick.cpp). Each one is a plain function of the window so
// that tests can also run a single phase on a prepared state.
#include "game/GameWindow.h"

namespace vrh {

// ---- game/Tick.cpp: counters, the extra life, the tank's flash ----
void advanceCounters(GameState& g);      // 2: playerFrame, shotFrame, volleyTimer, enemyFrame, tickCycle + 1
void reopenWave(GameState& g);           // 3: no enemy left -> spawning reopens
void armControlsAndFire(GameWindow& w);  // 5: arming on tickCycle 2, wrap at 21, firing pass on 20
void grantExtraLife(GameWindow& w);      // 6: at most one extra life per tick
void countBlink(GameState& g);           // 7
void wrapEnemyFrame(GameState& g);       // 8
void wrapVolleyCounters(GameState& g);   // 10
void countTankFlash(GameState& g);       // 18
void wrapPlayerAndShotFrames(GameState& g);  // 19

// ---- game/Enemies.cpp: small enemies ----
void firingPass(GameWindow& w);           // inside 5, every 20 ticks
void enemyShotsHitPlayer(GameWindow& w);  // 12: left group, then right group
void enemiesRamPlayer(GameWindow& w);     // 13: left group, then right group
void driveEnemiesIn(GameState& g);        // 15
void spawnEnemy(GameWindow& w);           // 24
// The player can be hurt only while alive or flashing.
bool playerCanBeHit(const GameState& g);
// After a hit: exploding (and the explosion sound) at 0 HP or below, else flashing.
void playerHurt(GameWindow& w);

// ---- game/Volley.cpp: the big tank's volley ----
void flyVolley(GameWindow& w);         // 9
void volleyHitsPlayer(GameWindow& w);  // 11: shots 1 and 2, then 0 and 3
void launchVolley(GameState& g);       // 16: when volleyTimer is 49 and no volley flies
void endVolley(GameWindow& w);         // 17: when the volley has left the top

// ---- game/PlayerControl.cpp: the pad ----
// The player may move and fire: controls armed and alive, flashing or blinking.
bool playerMayAct(const GameState& g);
void pauseKey(GameWindow& w);    // 20
void movePlayer(GameWindow& w);  // 21: left, right, down, up
void fireKey(GameWindow& w);     // 22 (first half): launch and release

// ---- game/Shots.cpp: the player's shot ----
void playerShotHitsEnemies(GameWindow& w);   // 14: right group, then left group
void shotLeavesFieldAndFlies(GameState& g);  // 22 (second half): leaving tests, then flight
void playerShotHitsTank(GameWindow& w);      // 23

// ---- game/Compose.cpp ----
void composeFrame(GameWindow& w);  // 25

}  // namespace vrh
