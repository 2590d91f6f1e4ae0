// The upgrade shop's rules: prices, purchases, the refresh, and the pad's focus among its buttons.
#include <gtest/gtest.h>

#include "meta/ShopFocus.h"
#include "meta/ShopPrices.h"

using namespace vrh;
using B = ShopButtonId;

// Enabled buttons in the order HP, attack, defence, Mega, Giga, Omega, Ninja, Shocker, Psychic.
static std::string enabled(const ShopState& s) {
    std::string m;
    for (const ShopButton& b : s.buttons) m += b.enabled ? '1' : '0';
    return m;
}
static std::string shotPrices(const ShopState& s) {
    return s.button(B::Mega).caption + "/" + s.button(B::Giga).caption + "/" + s.button(B::Omega).caption;
}

// Guards 10 x 2^value (not 2^gain; 10 at or below the start), doubling, the price read back from the
// caption (exponent form, capped at the largest double) and a stat saturating.
TEST(ShopPrices, StatPrices) {
    const std::tuple<int, int, double> opening[] = {
        {5, kBaseMaxHP, 10.0},  {1, kBaseAttack, 10.0}, {-4, kBaseDefense, 10.0},
        {6, kBaseMaxHP, 640.0}, {2, kBaseAttack, 40.0}, {1, kBaseDefense, 20.0},
    };
    for (auto [value, start, price] : opening) EXPECT_EQ(statOpeningPrice(value, start), price) << value;
    ShopState s;
    for (auto [attack, caption] :
         {std::pair{46, "703687441776640"}, {47, "1.40737488355328E+15"}, {32767, "1.79769313486232E+308"}}) {
        s.attackPower = attack, openShop(s);
        EXPECT_EQ(s.button(B::AttackUp).caption, caption);
    }
    s.money = 2147483647, s.button(B::UpHP).caption = "1.5E+3";
    EXPECT_TRUE(!buy(s, B::AttackUp) && buy(s, B::UpHP));
    EXPECT_EQ(std::tuple(int64_t(s.money), int(s.playerMaxHP), s.button(B::UpHP).caption),
              std::tuple(int64_t(2147483647 - 1500), 6, std::string("3000")));
    s.playerDefense = 32767;
    EXPECT_TRUE(buy(s, B::DefUp) && s.playerDefense == 32767) << "bought, the stat saturated";
}

// Guards shot and gun prices (the money exactly buys) and bonuses (only the Ninja gun sizes the shot), what
// the opening (keeping nothing from the last visit), a purchase and the refresh disable, and shot prices.
TEST(ShopPrices, ShotsAndGuns) {
    const std::tuple<const char*, const char*, int64_t, B, const char*> cases[] = {
        // gun, shot, money, button: bought?, attack, shot size, buttons | after a refresh, and shot prices
        {"Regular", "Regular", 499, B::Mega, "no 1 9 111111111 | 111111111 500/1000/2000"},
        {"Regular", "Regular", 500, B::Mega, "yes 4 9 111011111 | 111011111 500/1000/2000"},
        {"Regular", "Mega", 9999, B::Mega, "no 1 9 111011111 | 111011111 500/1000/2000"},
        {"Regular", "Regular", 1000, B::Giga, "yes 6 9 111101111 | 111001111 500/1000/2000"},
        {"Regular", "Regular", 2000, B::Omega, "yes 11 9 111000111 | 111000111 500/1000/2000"},
        {"Regular", "Omega", 3000, B::NinjaGun, "yes 11 14 111111011 | 111111011 1000/2000/3000"},
        {"Regular", "Regular", 6499, B::ShockerGun, "no 1 9 111111111 | 111111111 500/1000/2000"},
        {"Regular", "Regular", 6500, B::ShockerGun, "yes 31 9 111111101 | 111111001 2000/3000/4000"},
        {"Regular", "Giga", 10000, B::PsychicGun, "yes 31 9 111111110 | 111111000 3000/5000/8000"},
        {"Shocker", "Giga", 0, B::Mega, "no 1 9 111001001 | 111001001 2000/3000/4000"},
        {"Regular", "Omega", 0, B::Mega, "no 1 9 111000111 | 111000111 500/1000/2000"},
        {"Psychic", "Omega", 0, B::Mega, "no 1 9 111000000 | 111000000 3000/5000/8000"},
        {"Banana", "Mega", 0, B::Mega, "no 1 9 111011111 | 111011111 500/1000/2000"},
    };
    ShopState s;  // opened again and again
    for (const auto& [gun, shot, money, button, expected] : cases) {
        s.gunType = gun, s.shotType = shot, s.money = money, s.attackPower = 1, s.shotW = 9;
        openShop(s);
        const bool bought = buy(s, button);
        EXPECT_EQ(int64_t(s.money), bought ? 0 : money) << expected;
        EXPECT_EQ(shotPrices(s), "500/1000/2000") << expected;
        const std::string got = (bought ? "yes " : "no ") + std::to_string(s.attackPower) + " " +
                                std::to_string(s.shotW) + " " + enabled(s);
        refreshShop(s);
        EXPECT_EQ(got + " | " + enabled(s) + " " + shotPrices(s), expected);
    }
}

// Guards a pad step landing beside, not ahead, or on a disabled button; the focus on a button just bought.
TEST(ShopFocus, MovesToTheNearestEnabledButtonThatWay) {
    enum { HP, Attack, Def, Mega, Giga, Omega, Ninja, Shocker, Psychic, Next };
    const auto buttons = [](int off) {  // a bit per disabled button
        const int xy[10][2] = {{464, 96},  {464, 128}, {464, 160}, {480, 328}, {480, 368},
                               {480, 408}, {96, 328},  {96, 368},  {96, 408},  {312, 516}};
        std::vector<FocusTarget> t;
        for (int i = 0; i < 10; ++i) t.push_back({xy[i][0], xy[i][1], 97, 17, !(off >> i & 1)});
        return t;
    };
    using S = FocusStep;
    const std::tuple<int, S, int, int> cases[] = {
        // from, step, the buttons disabled, to
        {Next, S::Up, 0, Omega},     {Omega, S::Up, 0, Giga},         {Def, S::Down, 0, Mega},
        {Mega, S::Left, 0, Ninja},   {Ninja, S::Right, 0, Mega},      {HP, S::Up, 0, HP},
        {Next, S::Down, 0, Next},    {Next, S::Up, 1 << Omega, Giga}, {Attack, S::Down, 1 << Def, Mega},
        {Psychic, S::Down, 0, Next},
    };
    for (auto [from, step, off, to] : cases)
        EXPECT_EQ(moveFocus(buttons(off), from, step), to) << from << " " << int(step);
    EXPECT_EQ(keepFocusEnabled(buttons(0), Ninja), Ninja);
    EXPECT_EQ(keepFocusEnabled(buttons(1 << Ninja | 1 << Shocker), Ninja), Psychic);
    EXPECT_EQ(keepFocusEnabled(buttons(1023), Next), -1) << "all ten disabled";
}
