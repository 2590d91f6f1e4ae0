#pragma once
// One group of small enemy tanks as parallel arrays, one array per field.
// Slots 0 .. count-1 are in use; every array always has one spare slot more
// (upper bound = count). Slots are appended, never removed within a level.
#include <vector>

#include "game/Int16.h"
#include "game/States.h"

namespace vrh {

struct EnemyGroup {
    Int16 count = 0;  // leftCount / rightCount
    std::vector<EnemyState> state;
    std::vector<Int16> x, y;          // leftX, leftY: top-left corner
    std::vector<Int16> hp;            // leftHP
    std::vector<Int16> attack;        // leftAttack
    std::vector<Int16> defense;       // leftDefense
    std::vector<Int16> hit;           // leftHit: hit-flash flag 0 or 1
    std::vector<Int16> hitTicks;      // leftHitTicks
    std::vector<bool> shotFlying;     // its shot is in the air
    std::vector<Int16> shotX, shotY;  // leftShotX, leftShotY

    EnemyGroup() { resizeKeeping(0); }

    // Resizes every array to upper bound n (n + 1 slots), keeping contents.
    void resizeKeeping(int n);
    // Empties every array down to a single slot (upper bound 0), count 0.
    void clearToOneSlot();
    // Upper bound of the arrays (they all share it).
    int upperBound() const { return int(state.size()) - 1; }
    // Appends a slot: count + 1 and every array resized to the new count.
    int append();
};

}  // namespace vrh
