#include "meta/ShopFocus.h"

#include <cstdlib>
#include <limits>

namespace vrh {

namespace {

// A step to the side counts three times a step ahead: Left from a button
// reaches the one beside it rather than a nearer one above.
constexpr long kAcrossWeight = 3;

struct Centre {
    int x, y;
};

Centre centreOf(const FocusTarget& t) { return {2 * t.x + t.w, 2 * t.y + t.h}; }  // doubled: stays whole

// How far `to` lies from `from` along `step` and across it; ahead < 0 when it
// does not lie that way at all.
void offsets(Centre from, Centre to, FocusStep step, int& ahead, int& across) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    switch (step) {
    case FocusStep::Up:
        ahead = -dy;
        across = std::abs(dx);
        break;
    case FocusStep::Down:
        ahead = dy;
        across = std::abs(dx);
        break;
    case FocusStep::Left:
        ahead = -dx;
        across = std::abs(dy);
        break;
    case FocusStep::Right:
        ahead = dx;
        across = std::abs(dy);
        break;
    }
}

}  // namespace

int moveFocus(const std::vector<FocusTarget>& targets, int from, FocusStep step) {
    if (from < 0 || from >= int(targets.size())) return keepFocusEnabled(targets, 0);
    const Centre origin = centreOf(targets[size_t(from)]);
    int best = from;
    long bestCost = std::numeric_limits<long>::max();
    for (int i = 0; i < int(targets.size()); ++i) {
        if (i == from || !targets[size_t(i)].enabled) continue;
        int ahead = 0, across = 0;
        offsets(origin, centreOf(targets[size_t(i)]), step, ahead, across);
        if (ahead <= 0) continue;
        const long cost = long(ahead) + kAcrossWeight * across;
        if (cost < bestCost) {
            bestCost = cost;
            best = i;
        }
    }
    return best;
}

int keepFocusEnabled(const std::vector<FocusTarget>& targets, int from) {
    const int n = int(targets.size());
    if (n == 0) return -1;
    const int start = (from < 0 || from >= n) ? 0 : from;
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (targets[size_t(i)].enabled) return i;
    }
    return -1;
}

}  // namespace vrh
