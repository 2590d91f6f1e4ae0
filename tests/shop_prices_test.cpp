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

TEST(ShopStatPrice, TenTimesTwoToTheValueNotToTheGain) {
    EXPECT_EQ(statOpeningPrice(5, kBaseMaxHP), 10);
    EXPECT_EQ(statOpeningPrice(1, kBaseAttack), 10);
    EXPECT_EQ(statOpeningPrice(0, kBaseDefense), 10);
    EXPECT_EQ(statOpeningPrice(6, kBaseMaxHP), 640);
    EXPECT_EQ(statOpeningPrice(2, kBaseAttack), 40);
    EXPECT_EQ(statOpeningPrice(1, kBaseDefense), 20);
    EXPECT_EQ(statOpeningPrice(11, kBaseAttack), 20480);
    EXPECT_EQ(statOpeningPrice(3, kBaseMaxHP), 80) << "below the start still doubles";
    EXPECT_EQ(statOpeningPrice(0, kBaseAttack), 10);
    EXPECT_EQ(statOpeningPrice(-4, kBaseDefense), 10);
}

TEST(ShopStatPrice, LargePricesGrowPastIntegersIntoExponentForm) {
    ShopState s;
    s.attackPower = 46;
    openShop(s);
    EXPECT_EQ(s.button(B::AttackUp).caption, "703687441776640");
    s.attackPower = 47;
    openShop(s);
    EXPECT_EQ(s.button(B::AttackUp).caption, "1.40737488355328E+15");
    s.attackPower = 32767;
    openShop(s);
    EXPECT_EQ(s.button(B::AttackUp).caption, "1.79769313486232E+308") << "held at the largest double";
    s.money = 2147483647;
    EXPECT_FALSE(buy(s, B::AttackUp));
}

TEST(ShopOpening, FreshRun) {
    ShopState s = freshShop(0);
    EXPECT_EQ(s.button(B::UpHP).caption, "10");
    EXPECT_EQ(s.button(B::AttackUp).caption, "10");
    EXPECT_EQ(s.button(B::DefUp).caption, "10");
    EXPECT_EQ(shotCaptions(s), "500/1000/2000");
    EXPECT_EQ(s.button(B::NinjaGun).caption, "3000");
    EXPECT_EQ(s.button(B::ShockerGun).caption, "6500");
    EXPECT_EQ(s.button(B::PsychicGun).caption, "10000");
    EXPECT_EQ(enabledMask(s), "111111111");
    EXPECT_EQ(shopCaption(s), "Upgrades     $0");
    EXPECT_EQ(hpLabel(s), "HP:5");
    EXPECT_EQ(attackLabel(s), "Attack:1");
    EXPECT_EQ(defenseLabel(s), "Def:0");
    EXPECT_EQ(currentWeaponLabel(s), "Current Weapon:Regular");
    EXPECT_EQ(currentShotLabel(s), "Current Shot Type:Regular");
}

TEST(ShopOpening, DisablesWhatThePlayerAlreadyHasButKeepsDesignShotPrices) {
    ShopState s;
    s.gunType = "Shocker";
    s.shotType = "Giga";
    openShop(s);
    EXPECT_EQ(enabledMask(s), "111001001") << "Mega, Giga, Ninja, Shocker off";
    EXPECT_EQ(shotCaptions(s), "500/1000/2000") << "the opening does not set shot prices";
    refreshShop(s);
    EXPECT_EQ(shotCaptions(s), "2000/3000/4000");

    s.shotType = "Omega";
    s.gunType = "Regular";
    openShop(s);
    EXPECT_EQ(enabledMask(s), "111000111") << "a previous visit's disabling is forgotten";

    s.gunType = "Psychic";
    openShop(s);
    EXPECT_EQ(enabledMask(s), "111000000") << "the best gun disables every gun";
}

TEST(ShopBuyStat, PriceBoundaries) {
    ShopState s = freshShop(9);
    EXPECT_FALSE(buy(s, B::UpHP)) << "one short";
    EXPECT_EQ(int64_t(s.money), 9);
    EXPECT_EQ(int(s.playerMaxHP), 5);
    EXPECT_EQ(s.button(B::UpHP).caption, "10");

    s.money = 10;
    EXPECT_TRUE(buy(s, B::UpHP)) << "exactly equal buys";
    EXPECT_EQ(int64_t(s.money), 0);
    EXPECT_EQ(int(s.playerMaxHP), 6);
    EXPECT_EQ(s.button(B::UpHP).caption, "20");
    EXPECT_EQ(hpLabel(s), "HP:6");

    openShop(s);  // the next visit
    EXPECT_EQ(s.button(B::UpHP).caption, "640");
}

TEST(ShopBuyStat, PricesDoubleWithinAVisit) {
    ShopState s = freshShop(1000);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(buy(s, B::DefUp));
    EXPECT_EQ(int(s.playerDefense), 3);
    EXPECT_EQ(int64_t(s.money), 1000 - 10 - 20 - 40);
    EXPECT_EQ(s.button(B::DefUp).caption, "80");
    EXPECT_TRUE(buy(s, B::AttackUp));
    EXPECT_EQ(int(s.attackPower), 2);
    EXPECT_EQ(shopCaption(s), "Upgrades     $920");
}

TEST(ShopBuyStat, StatSaturatesAtTheLimit) {
    ShopState s = freshShop(100);
    s.playerDefense = 32767;
    s.button(B::DefUp).caption = "10";
    EXPECT_TRUE(buy(s, B::DefUp));
    EXPECT_EQ(int(s.playerDefense), 32767);
}

TEST(ShopBuyStat, PriceIsReadBackFromTheCaption) {
    ShopState s = freshShop(2147483647);
    s.button(B::UpHP).caption = "1E+15";
    EXPECT_FALSE(buy(s, B::UpHP));
    s.button(B::UpHP).caption = "1.5E+3";
    EXPECT_TRUE(buy(s, B::UpHP));
    EXPECT_EQ(int64_t(s.money), 2147483647 - 1500);
    EXPECT_EQ(s.button(B::UpHP).caption, "3000");
}

TEST(ShopBuyShot, OmegaFromRegularDisablesAllThree) {
    ShopState s = freshShop(2000);
    EXPECT_TRUE(buy(s, B::Omega));
    EXPECT_EQ(int(s.attackPower), 11);
    EXPECT_EQ(s.shotType, "Omega");
    EXPECT_EQ(int64_t(s.money), 0);
    EXPECT_EQ(enabledMask(s), "111000111");
    EXPECT_EQ(currentShotLabel(s), "Current Shot Type:Omega");
    EXPECT_EQ(shotCaptions(s), "500/1000/2000") << "buying does not change shot prices";
}

TEST(ShopBuyShot, MegaThenGigaAddsEight) {
    ShopState s = freshShop(1499);
    EXPECT_TRUE(buy(s, B::Mega));
    EXPECT_EQ(enabledMask(s), "111011111") << "Giga stays enabled";
    EXPECT_FALSE(buy(s, B::Mega)) << "a disabled button cannot be clicked";
    EXPECT_FALSE(buy(s, B::Giga)) << "999 left, one short of 1000";
    s.money = 1000;
    EXPECT_TRUE(buy(s, B::Giga));
    EXPECT_EQ(int(s.attackPower), 1 + 3 + 5);
    EXPECT_EQ(s.shotType, "Giga");
    EXPECT_EQ(enabledMask(s), "111001111");
}

TEST(ShopBuyShot, GigaLeavesMegaOnUntilTheTick) {
    ShopState s = freshShop(1000);
    ASSERT_TRUE(buy(s, B::Giga));
    EXPECT_EQ(enabledMask(s), "111101111");
    EXPECT_EQ(int(s.attackPower), 6);
    refreshShop(s);
    EXPECT_EQ(enabledMask(s), "111001111");
}

TEST(ShopBuyGun, GunResetsTheShotAndKeepsBonuses) {
    ShopState s = freshShop(2000 + 3000);
    s.shotW = s.shotH = 20;
    ASSERT_TRUE(buy(s, B::Omega));
    refreshShop(s);
    ASSERT_TRUE(buy(s, B::NinjaGun));
    EXPECT_EQ(s.gunType, "Ninja");
    EXPECT_EQ(s.shotType, "Regular");
    EXPECT_EQ(int(s.attackPower), 1 + 10 + 10);
    EXPECT_EQ(int(s.shotW), 14);
    EXPECT_EQ(int(s.shotH), 14);
    EXPECT_EQ(int64_t(s.money), 0);
    EXPECT_EQ(enabledMask(s), "111111011");
    refreshShop(s);
    EXPECT_EQ(shotCaptions(s), "1000/2000/3000");
    EXPECT_EQ(enabledMask(s), "111111011");
    EXPECT_EQ(s.button(B::NinjaGun).caption, "3000") << "gun prices never change";
}

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
    EXPECT_EQ(int(t.shotW), 14) << "only the Ninja gun sets the shot size";
    refreshShop(t);
    EXPECT_EQ(enabledMask(t), "111111001");
}

TEST(ShopRefresh, UnknownGunChangesNoPrices) {
    ShopState s = freshShop(0);
    s.gunType = "Banana";
    s.shotType = "Mega";
    refreshShop(s);
    EXPECT_EQ(shotCaptions(s), "500/1000/2000");
    EXPECT_EQ(enabledMask(s), "111011111");
}

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
