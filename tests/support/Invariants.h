#pragma once
// What must hold for the state of a run after every 50 ms step, whatever the player does: the checker
// of the fast random-play test (game/invariants_test.cpp) and of the long soak (tests/soak). check()
// returns the first broken invariant as text, empty when all hold. The 16-bit fields stay in range by
// construction (they saturate, game/Int16.h); what is checked is how the fields relate.
#include <cstdint>
#include <ostream>
#include <string>

#include "game/GameState.h"

namespace vrh {
// Readable names in failure messages.
std::ostream& operator<<(std::ostream& o, PlayerState s);
std::ostream& operator<<(std::ostream& o, EnemyState s);
}  // namespace vrh

namespace vrh::test {

class InvariantChecker {
public:
    // Call after each 50 ms step; remembers what the next call compares with.
    std::string check(const GameState& g);
    // A run was started or loaded: the score and the counts may start over.
    void newRun() { *this = InvariantChecker{}; }

private:
    int level_ = -1;
    int leftCount_ = 0, rightCount_ = 0;
    int64_t score_ = -1;
    int explodeLeftover_ = -1;  // explodeFrame kept from the run before, -1 before the first check
};

// Every field of the state that the invariants talk about, for a failure report.
std::string describeState(const GameState& g);

}  // namespace vrh::test
