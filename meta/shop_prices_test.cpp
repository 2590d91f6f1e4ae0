// The upgrade shop's rules: opening prices, purchases and the refresh.
#include <gtest/gtest.h>

#include "meta/ShopPrices.h"

using namespace vrh;
using B = ShopButtonId;

namespace {

ShopState freshShop(int64_t money) {
    ShopState s;  // a fresh run: HP 5, attack 1, defence 0, Regular gun and shot
    s.money = money;
    openShop(s);
    return s;
}

std::string enabledMask(const ShopState& s) {
    std::string m;
    for (const ShopButton& b : s.buttons) m += b.enabled ? '1' : '0';
    return m;  // order: HP, attack, defence, Mega, Giga, Omega, Ninja, Shocker, Psychic
}

std::string shotCaptions(const ShopState& s) {
    return s.button(B::Mega).caption + "/" + s.button(B::Giga).caption + "/" + s.button(B::Omega).caption;
}

}  // namespace

// The opening price is 10 x 2^value (not 2^gain), and 10 at or below the start.
TEST(ShopStatPrice, TenTimesTwoToTheValueNotToTheGain) {
    struct Case { int value, start; double price; };
    for (Case c : {Case{5, kBaseMaxHP, 10}, Case{1, kBaseAttack, 10}, Case{0, kBaseDefense, 10},
                   Case{6, kBaseMaxHP, 640}, Case{2, kBaseAttack, 40}, Case{1, kBaseDefense, 20},
                   Case{11, kBaseAttack, 20480}, Case{3, kBaseMaxHP, 80}, Case{0, kBaseAttack, 10},
                   Case{-4, kBaseDefense, 10}})
        EXPECT_EQ(statOpeningPrice(c.value, c.start), c.price) << "value " << c.value << " from " << c.start;
}

// Prices past 15 digits print in exponent form and stop at the largest double.
TEST(ShopStatPrice, LargePricesGrowPastIntegersIntoExponentForm) {
    ShopState s;
    for (auto [attack, caption] : {std::pair{46, "703687441776640"}, {47, "1.40737488355328E+15"},
                                   {32767, "1.79769313486232E+308"}}) {
        s.attackPower = attack;
        openShop(s);
        EXPECT_EQ(s.button(B::AttackUp).caption, caption);
    }
    s.money = 2147483647;
    EXPECT_FALSE(buy(s, B::AttackUp));
}

// Owned shots and guns (and lesser ones) are off; a previous visit's disabling is forgotten.
TEST(ShopOpening, DisablesWhatThePlayerAlreadyHasButKeepsDesignShotPrices) {
    ShopState s;
    s.gunType = "Shocker";
    s.shotType = "Giga";
    openShop(s);
    EXPECT_EQ(enabledMask(s), "111001001");
    EXPECT_EQ(shotCaptions(s), "500/1000/2000") << "the opening does not set shot prices";
    refreshShop(s);
    EXPECT_EQ(shotCaptions(s), "2000/3000/4000");
    s.shotType = "Omega";
    s.gunType = "Regular";
    openShop(s);
    EXPECT_EQ(enabledMask(s), "111000111");
    s.gunType = "Psychic";
    openShop(s);
    EXPECT_EQ(enabledMask(s), "111000000");
}

// One short refuses and changes nothing; exactly the price buys.
TEST(ShopBuyStat, PriceBoundaries) {
    ShopState s = freshShop(9);
    EXPECT_FALSE(buy(s, B::UpHP));
    EXPECT_EQ(int64_t(s.money), 9);
    EXPECT_EQ(int(s.playerMaxHP), 5);
    EXPECT_EQ(s.button(B::UpHP).caption, "10");
    s.money = 10;
    EXPECT_TRUE(buy(s, B::UpHP));
    EXPECT_EQ(int64_t(s.money), 0);
    EXPECT_EQ(int(s.playerMaxHP), 6);
}

// A stat at the 16-bit limit stays there (no wrap) though the purchase goes through.
TEST(ShopBuyStat, StatSaturatesAtTheLimit) {
    ShopState s = freshShop(100);
    s.playerDefense = 32767;
    s.button(B::DefUp).caption = "10";
    EXPECT_TRUE(buy(s, B::DefUp));
    EXPECT_EQ(int(s.playerDefense), 32767);
}

// The price paid is the caption read back, exponent form included.
TEST(ShopBuyStat, PriceIsReadBackFromTheCaption) {
    ShopState s = freshShop(2147483647);
    s.button(B::UpHP).caption = "1E+15";
    EXPECT_FALSE(buy(s, B::UpHP));
    s.button(B::UpHP).caption = "1.5E+3";
    EXPECT_TRUE(buy(s, B::UpHP));
    EXPECT_EQ(int64_t(s.money), 2147483647 - 1500);
    EXPECT_EQ(s.button(B::UpHP).caption, "3000");
}

// Omega adds ten and disables all three shots; buying changes no shot price.
TEST(ShopBuyShot, OmegaFromRegularDisablesAllThree) {
    ShopState s = freshShop(2000);
    EXPECT_TRUE(buy(s, B::Omega));
    EXPECT_EQ(int(s.attackPower), 11);
    EXPECT_EQ(s.shotType, "Omega");
    EXPECT_EQ(int64_t(s.money), 0);
    EXPECT_EQ(enabledMask(s), "111000111");
    EXPECT_EQ(currentShotLabel(s), "Current Shot Type:Omega");
    EXPECT_EQ(shotCaptions(s), "500/1000/2000");
}

// Mega (+3) then Giga (+5); a disabled button refuses; one short refuses.
TEST(ShopBuyShot, MegaThenGigaAddsEight) {
    ShopState s = freshShop(1499);
    EXPECT_TRUE(buy(s, B::Mega));
    EXPECT_EQ(enabledMask(s), "111011111");
    EXPECT_FALSE(buy(s, B::Mega)) << "a disabled button cannot be clicked";
    EXPECT_FALSE(buy(s, B::Giga)) << "999 left";
    s.money = 1000;
    EXPECT_TRUE(buy(s, B::Giga));
    EXPECT_EQ(int(s.attackPower), 1 + 3 + 5);
    EXPECT_EQ(s.shotType, "Giga");
    EXPECT_EQ(enabledMask(s), "111001111");
}

// Giga straight from Regular leaves Mega on sale until the next refresh.
TEST(ShopBuyShot, GigaLeavesMegaOnUntilTheTick) {
    ShopState s = freshShop(1000);
    ASSERT_TRUE(buy(s, B::Giga));
    EXPECT_EQ(enabledMask(s), "111101111");
    EXPECT_EQ(int(s.attackPower), 6);
    refreshShop(s);
    EXPECT_EQ(enabledMask(s), "111001111");
}

// Psychic and Shocker guns: +30, their shot prices, and only Ninja sets the shot size.
TEST(ShopBuyGun, AnyEnabledGunCanBeBoughtAndKeepsItsOwnBonus) {
    ShopState s = freshShop(10000);
    ASSERT_TRUE(buy(s, B::PsychicGun));
    EXPECT_EQ(int(s.attackPower), 31);
    EXPECT_EQ(int64_t(s.money), 0);
    refreshShop(s);
    EXPECT_EQ(shotCaptions(s), "3000/5000/8000");
    EXPECT_EQ(enabledMask(s), "111111000");

    ShopState t = freshShop(6499);
    EXPECT_FALSE(buy(t, B::ShockerGun));
    t.money = 6500;
    ASSERT_TRUE(buy(t, B::ShockerGun));
    EXPECT_EQ(int(t.attackPower), 31);
    EXPECT_EQ(int(t.shotW), 14);
    refreshShop(t);
    EXPECT_EQ(enabledMask(t), "111111001");
}

// The shot prices follow the gun.
TEST(ShopRefresh, ShotPricesFollowTheGun) {
    const std::pair<const char*, const char*> cases[] = {{"Regular", "500/1000/2000"},
                                                         {"Ninja", "1000/2000/3000"},
                                                         {"Shocker", "2000/3000/4000"},
                                                         {"Psychic", "3000/5000/8000"}};
    for (const auto& [gun, prices] : cases) {
        ShopState s = freshShop(0);
        s.gunType = gun;
        refreshShop(s);
        EXPECT_EQ(shotCaptions(s), prices) << gun;
    }
}

// An unknown gun name leaves the shot prices alone.
TEST(ShopRefresh, UnknownGunChangesNoPrices) {
    ShopState s = freshShop(0);
    s.gunType = "Banana";
    s.shotType = "Mega";
    refreshShop(s);
    EXPECT_EQ(shotCaptions(s), "500/1000/2000");
    EXPECT_EQ(enabledMask(s), "111011111");
}

// Every shop field goes from the run into the shop and back.
TEST(ShopRunCopy, CopiesToAndFromTheRun) {
    GameState run;
    run.money = 12345;
    run.playerMaxHP = 8;
    run.attackPower = 3;
    run.playerDefense = 2;
    run.gunType = "Ninja";
    run.shotType = "Giga";
    ShopState s = shopStateFrom(run);
    openShop(s);
    EXPECT_EQ(s.button(B::UpHP).caption, "2560");
    ASSERT_TRUE(buy(s, B::UpHP));
    GameState back;
    copyShopStateTo(s, back);
    EXPECT_EQ(int64_t(back.money), 12345 - 2560);
    EXPECT_EQ(int(back.playerMaxHP), 9);
    EXPECT_EQ(int(back.attackPower), 3);
    EXPECT_EQ(int(back.playerDefense), 2);
    EXPECT_EQ(back.gunType, "Ninja");
    EXPECT_EQ(back.shotType, "Giga");
}
