// The pad's focus among the shop's buttons: nearest enabled button that way.
#include <gtest/gtest.h>

#include "meta/ShopFocus.h"

using namespace vrh;

namespace {
// The shop's buttons: HP, Attack, Def, Mega, Giga, Omega, Ninja, Shocker, Psychic, Next Level.
std::vector<FocusTarget> shopButtons() {
    const int xy[10][2] = {{464, 96},  {464, 128}, {464, 160}, {480, 328}, {480, 368},
                           {480, 408}, {96, 328},  {96, 368},  {96, 408},  {312, 516}};
    std::vector<FocusTarget> t;
    for (const auto& p : xy) t.push_back({p[0], p[1], 97, 17, true});
    return t;
}
enum { HP, Attack, Def, Mega, Giga, Omega, Ninja, Shocker, Psychic, Next };
}  // namespace

// Guards a step landing on a button beside rather than ahead, or on a disabled one.
TEST(ShopFocus, MovesToTheNearestEnabledButtonThatWay) {
    struct Case {
        int from;
        FocusStep step;
        int disabled;  // -1: none
        int to;
    };
    const Case cases[] = {
        {Next, FocusStep::Up, -1, Omega},     {Omega, FocusStep::Up, -1, Giga},
        {Def, FocusStep::Down, -1, Mega},     {Mega, FocusStep::Left, -1, Ninja},
        {Ninja, FocusStep::Right, -1, Mega},  {HP, FocusStep::Up, -1, HP},
        {Next, FocusStep::Down, -1, Next},    {Next, FocusStep::Up, Omega, Giga},
        {Attack, FocusStep::Down, Def, Mega}, {Psychic, FocusStep::Down, -1, Next},
    };
    for (const Case& c : cases) {
        auto t = shopButtons();
        if (c.disabled >= 0) t[size_t(c.disabled)].enabled = false;
        EXPECT_EQ(moveFocus(t, c.from, c.step), c.to) << "from " << c.from << " step " << int(c.step);
    }
}

// Guards the focus staying on a button that a purchase disabled.
TEST(ShopFocus, KeepsToAnEnabledButton) {
    auto t = shopButtons();
    EXPECT_EQ(keepFocusEnabled(t, Ninja), Ninja);
    t[Ninja].enabled = t[Shocker].enabled = false;
    EXPECT_EQ(keepFocusEnabled(t, Ninja), Psychic);
    for (FocusTarget& b : t) b.enabled = false;
    EXPECT_EQ(keepFocusEnabled(t, Next), -1);
}
