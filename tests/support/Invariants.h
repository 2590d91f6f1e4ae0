#pragma once
// What must hold for the state of a run after every 50 ms step, whatever the player does: the checker of
// the fast random-play test (game/invariants_test.cpp) and of the long soak (tests/soak). The 16-bit
// fields saturate (game/Int16.h); what is checked is how the fields relate.
#include <cstdint>
#include <ostream>
#include <string>

#include "game/GameState.h"

namespace vrh {
std::ostream& operator<<(std::ostream& o, PlayerState s);  // readable names in failure messages
std::ostream& operator<<(std::ostream& o, EnemyState s);
}  // namespace vrh

namespace vrh::test {

class InvariantChecker {
public:
    // The first broken invariant as text, empty when all hold; call after each 50 ms step.
    std::string check(const GameState& g);
    void newRun() { *this = InvariantChecker{}; }  // the score and the counts may start over

private:
    int level_ = -1, leftCount_ = 0, rightCount_ = 0;
    int64_t score_ = -1;
    int explodeLeftover_ = -1;  // explodeFrame kept from the run before, -1 before the first check
};

// Every field of the state that the invariants talk about, for a failure report.
std::string describeState(const GameState& g);

}  // namespace vrh::test
