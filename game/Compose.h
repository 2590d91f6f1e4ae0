#pragma once
// Step 25 of the tick: the frame, composed back to front into a draw list.
#include <vector>

#include "draw/Frame.h"
#include "game/GameState.h"

namespace vrh {

class GameWindow;

// The play field that a frame shows.
inline constexpr int kFieldW = 323, kFieldH = 361;

// Scrolls one background layer by half a pixel. When a tile's x reaches 0
// exactly, a new tile is appended at x = 480. Tiles are never removed.
void scrollLayer(std::vector<double>& tileX, Int16& count);
// Draws a layer's tiles (plain copies) at their x rounded to the nearest
// whole pixel, halves to even. Tiles wholly outside the field are left out.
void drawLayer(const std::vector<double>& tileX, int count, Pic picture, int y, int w, int h, Frame& frame);

// The player by its state; the timed states advance here, before drawing.
void drawPlayer(GameState& g, Frame& frame);
// The player's shot in flight: picture choice, measuring, drawing.
void drawPlayerShot(GameState& g, Frame& frame);
// The live volley shots (straight ones first).
void drawVolley(const GameState& g, Frame& frame);
// One group: each member's shot flies, then the member is drawn by state.
void drawGroup(GameState& g, EnemyGroup& group, bool leftGroup, Frame& frame);

}  // namespace vrh
