// The upgrade shop's rules: prices, purchases, the refresh, and the pad's focus among its buttons.
#include <gtest/gtest.h>

#include "meta/ShopFocus.h"
#include "meta/ShopPrices.h"

using namespace vrh;
using B = ShopButtonId;

namespace {
// Order: HP, attack, defence, Mega, Giga, Omega, Ninja, Shocker, Psychic.
std::string enabledMask(const ShopState& s) {
    std::string m;
    for (const ShopButton& b : s.buttons) m += b.enabled ? '1' : '0';
    return m;
}
std::string shotPrices(const ShopState& s) {
    return s.button(B::Mega).caption + "/" + s.button(B::Giga).caption + "/" + s.button(B::Omega).caption;
}
}  // namespace

// Guards 10 x 2^value (not 2^gain; 10 at or below the start), the price boundary, doubling, the price
// read back from the caption (exponent form, capped at the largest double) and a stat saturating.
TEST(ShopPrices, StatPrices) {
    for (auto [value, start, price] : {std::tuple{5, kBaseMaxHP, 10.0},
                                       {1, kBaseAttack, 10.0},
                                       {-4, kBaseDefense, 10.0},
                                       {6, kBaseMaxHP, 640.0},
                                       {2, kBaseAttack, 40.0},
                                       {1, kBaseDefense, 20.0}})
        EXPECT_EQ(statOpeningPrice(value, start), price) << value << " from " << start;
    ShopState s;
    for (auto [attack, caption] :
         {std::pair{46, "703687441776640"}, {47, "1.40737488355328E+15"}, {32767, "1.79769313486232E+308"}}) {
        s.attackPower = attack;
        openShop(s);
        EXPECT_EQ(s.button(B::AttackUp).caption, caption);
    }
    s.money = 9;
    EXPECT_FALSE(buy(s, B::UpHP));
    s.money = 10;
    EXPECT_TRUE(buy(s, B::UpHP));
    EXPECT_EQ(std::pair(int64_t(s.money), int(s.playerMaxHP)), std::pair(int64_t(0), 6));
    s.money = 2147483647;
    EXPECT_FALSE(buy(s, B::AttackUp));
    s.button(B::UpHP).caption = "1.5E+3";
    EXPECT_TRUE(buy(s, B::UpHP));
    EXPECT_EQ(int64_t(s.money), 2147483647 - 1500);
    EXPECT_EQ(s.button(B::UpHP).caption, "3000");
    s.playerDefense = 32767;
    EXPECT_TRUE(buy(s, B::DefUp));
    EXPECT_EQ(int(s.playerDefense), 32767);
}

// Guards each shot's and gun's price and bonus, and what it disables at once and after the next refresh.
TEST(ShopPrices, ShotsAndGuns) {
    struct Case {
        const char* shot;
        int64_t money;
        B button;
        bool bought;
        int attack;
        const char *now, *refreshed, *prices;
    };
    const Case cases[] = {
        // a fresh run: attack 1, Regular gun
        {"Regular", 499, B::Mega, false, 1, "111111111", "111111111", "500/1000/2000"},
        {"Regular", 500, B::Mega, true, 4, "111011111", "111011111", "500/1000/2000"},
        {"Mega", 9999, B::Mega, false, 1, "111011111", "111011111", "500/1000/2000"},
        {"Regular", 1000, B::Giga, true, 6, "111101111", "111001111", "500/1000/2000"},
        {"Regular", 2000, B::Omega, true, 11, "111000111", "111000111", "500/1000/2000"},
        {"Omega", 3000, B::NinjaGun, true, 11, "111111011", "111111011", "1000/2000/3000"},
        {"Regular", 6499, B::ShockerGun, false, 1, "111111111", "111111111", "500/1000/2000"},
        {"Regular", 6500, B::ShockerGun, true, 31, "111111101", "111111001", "2000/3000/4000"},
        {"Giga", 10000, B::PsychicGun, true, 31, "111111110", "111111000", "3000/5000/8000"},
    };
    for (const Case& c : cases) {
        ShopState s;
        s.shotType = c.shot;
        s.money = c.money;
        s.shotW = 9;
        openShop(s);
        EXPECT_EQ(buy(s, c.button), c.bought) << c.now;
        EXPECT_EQ(int64_t(s.money), c.bought ? 0 : c.money) << c.now;  // each case has the price exactly
        EXPECT_EQ(int(s.attackPower), c.attack) << c.now;
        EXPECT_EQ(int(s.shotW), c.button == B::NinjaGun ? 14 : 9) << "only the Ninja gun sets the shot size";
        EXPECT_EQ(enabledMask(s), c.now);
        refreshShop(s);
        EXPECT_EQ(enabledMask(s), c.refreshed);
        EXPECT_EQ(shotPrices(s), c.prices) << c.now;
    }
}

// Guards what the opening disables (owned and lesser shots and guns, nothing kept from the last visit),
// the opening leaving shot prices to the refresh, and an unknown gun changing no prices.
TEST(ShopPrices, OpeningAndRefresh) {
    const struct {
        const char *gun, *shot, *mask, *prices;
    } cases[] = {
        {"Shocker", "Giga", "111001001", "2000/3000/4000"},
        {"Regular", "Omega", "111000111", "500/1000/2000"},
        {"Psychic", "Omega", "111000000", "3000/5000/8000"},
        {"Banana", "Mega", "111011111", "500/1000/2000"},
    };
    ShopState s;  // opened again and again
    for (const auto& c : cases) {
        s.gunType = c.gun;
        s.shotType = c.shot;
        openShop(s);
        EXPECT_EQ(shotPrices(s) + " " + enabledMask(s), "500/1000/2000 " + std::string(c.mask)) << c.gun;
        refreshShop(s);
        EXPECT_EQ(shotPrices(s) + " " + enabledMask(s), std::string(c.prices) + " " + c.mask) << c.gun;
    }
}

// Guards a pad step landing beside rather than ahead or on a disabled button, and the focus
// staying on a button a purchase disabled.
TEST(ShopFocus, MovesToTheNearestEnabledButtonThatWay) {
    enum { HP, Attack, Def, Mega, Giga, Omega, Ninja, Shocker, Psychic, Next };
    const auto buttons = [](std::initializer_list<int> off) {
        const int xy[10][2] = {{464, 96},  {464, 128}, {464, 160}, {480, 328}, {480, 368},
                               {480, 408}, {96, 328},  {96, 368},  {96, 408},  {312, 516}};
        std::vector<FocusTarget> t;
        for (const auto& p : xy) t.push_back({p[0], p[1], 97, 17, true});
        for (int i : off) t[size_t(i)].enabled = false;
        return t;
    };
    using S = FocusStep;
    const struct {
        int from;
        S step;
        int off, to;
    } cases[] = {
        {Next, S::Up, -1, Omega},     {Omega, S::Up, -1, Giga},    {Def, S::Down, -1, Mega},
        {Mega, S::Left, -1, Ninja},   {Ninja, S::Right, -1, Mega}, {HP, S::Up, -1, HP},
        {Next, S::Down, -1, Next},    {Next, S::Up, Omega, Giga},  {Attack, S::Down, Def, Mega},
        {Psychic, S::Down, -1, Next},
    };
    for (const auto& c : cases)
        EXPECT_EQ(moveFocus(c.off < 0 ? buttons({}) : buttons({c.off}), c.from, c.step), c.to)
            << c.from << " " << int(c.step);
    EXPECT_EQ(keepFocusEnabled(buttons({}), Ninja), Ninja);
    EXPECT_EQ(keepFocusEnabled(buttons({Ninja, Shocker}), Ninja), Psychic);
    EXPECT_EQ(
        keepFocusEnabled(buttons({HP, Attack, Def, Mega, Giga, Omega, Ninja, Shocker, Psychic, Next}), Next),
        -1);
}
