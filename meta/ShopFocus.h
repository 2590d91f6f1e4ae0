#pragma once
// Keyboard and controller focus among the shop's buttons: the arrows (or the
// D-pad) move it to the nearest enabled button in that direction, and A or
// Start presses the focused one.
#include <vector>

namespace vrh {

enum class FocusStep { Up, Down, Left, Right };

struct FocusTarget {
    int x = 0, y = 0, w = 0, h = 0;  // the button's box in the window
    bool enabled = true;
};

// The index of the enabled target nearest to `from` in direction `step`,
// measured between box centres with a sideways offset counting three times
// (Left from a button goes to the one beside it, not to a nearer one above);
// `from` itself when no enabled target lies that way.
int moveFocus(const std::vector<FocusTarget>& targets, int from, FocusStep step);

// `from` when it is enabled, else the first enabled target after it (going
// round), else -1.
int keepFocusEnabled(const std::vector<FocusTarget>& targets, int from);

}  // namespace vrh
