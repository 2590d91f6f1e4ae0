#pragma once
// The player's weapon: the box-overlap test every hit uses, the shot pictures
// by gun and shot type with their size rule, and the flight of shots.
#include <optional>
#include <string>

#include "draw/Frame.h"
#include "game/GameState.h"

namespace vrh {

// The box-overlap test of every hit in the game. It clears g.carried.hitFlag, then
// sets it when the top-left or the bottom-right corner of the second box lies
// inside the first box, bounds included; returns g.carried.hitFlag.
bool boxHit(GameState& g, double x1, double y1, double w1, double h1, double x2, double y2, double w2,
            double h2);

// How a shot picture is measured: from the height of frame 0 (shotW = shotH)
// or, for the Ninja gun, from its width (shotH = shotW).
enum class ShotSizeRule { ByHeight, ByWidth };

struct ShotPictures {
    Pic picture;
    Pic mask;
    ShotSizeRule rule;
};

// The pair for a gun type and a shot type; none for a combination outside
// the table (then no shot is drawn and its size stays).
std::optional<ShotPictures> shotPictures(const std::string& gunType, const std::string& shotType);

// Measures frame 0 of the pictures by their rule into g.shotW x g.shotH.
void measureShot(GameState& g, const ShotPictures& p);

// Ends the player's shot: back to the muzzle, waiting. clearDirection also
// clears both direction flags (leaving the field, hitting the big tank).
void endPlayerShot(GameState& g, bool clearDirection);

// A small enemy's shot in the frame composition: it flies 10 px (left group
// to the right, right group to the left) and is drawn, or, having left the
// field, is re-armed at its owner's muzzle.
void flyEnemyShot(GameState& g, EnemyGroup& group, bool leftGroup, int i, Frame& frame);

}  // namespace vrh
