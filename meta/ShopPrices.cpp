#include "meta/ShopPrices.h"

#include <cfloat>
#include <cmath>

#include "meta/ItemReader.h"
#include "meta/NumberPrint.h"

namespace vrh {

namespace {
using B = ShopButtonId;

// Gun ranks: a gun disables its own button and those of the guns below it.
int gunRank(const std::string& gun) {
    if (gun == "Regular") return 0;
    if (gun == "Ninja") return 1;
    if (gun == "Shocker") return 2;
    if (gun == "Psychic") return 3;
    return -1;
}

int shotRank(const std::string& shot) {
    if (shot == "Mega") return 1;
    if (shot == "Giga") return 2;
    if (shot == "Omega") return 3;
    return 0;
}

constexpr std::array<B, 3> kShotButtons{B::Mega, B::Giga, B::Omega};
constexpr std::array<B, 3> kGunButtons{B::NinjaGun, B::ShockerGun, B::PsychicGun};

void disableShotButtonsUpTo(ShopState& s, int rank) {
    for (int i = 0; i < rank; ++i) s.button(kShotButtons[size_t(i)]).enabled = false;
}

void disableGunButtonsUpTo(ShopState& s, int rank) {
    for (int i = 0; i < rank; ++i) s.button(kGunButtons[size_t(i)]).enabled = false;
}

double doubled(double price) { return std::min(price * 2, DBL_MAX); }

// The price on a button; none if the caption is not a number.
std::optional<double> priceOf(const ShopState& s, B id) { return toNumber(s.button(id).caption); }

bool affordable(const ShopState& s, B id, double& price) {
    if (!s.button(id).enabled) return false;
    const auto p = priceOf(s, id);
    if (!p || *p > double(int64_t(s.money))) return false;
    price = *p;
    return true;
}

void pay(ShopState& s, double price) { s.money = Int32(double(int64_t(s.money)) - price); }

bool buyStat(ShopState& s, B id, Int16& stat) {
    double price = 0;
    if (!affordable(s, id, price)) return false;
    pay(s, price);
    s.button(id).caption = numberText(doubled(price));
    ++stat;
    return true;
}

bool buyShot(ShopState& s, B id, int bonus, const char* shot) {
    double price = 0;
    if (!affordable(s, id, price)) return false;
    s.attackPower += bonus;
    s.shotType = shot;
    pay(s, price);
    // Omega disables all three at once; Mega and Giga only themselves (the
    // next tick takes care of the lower ones).
    if (id == B::Omega)
        disableShotButtonsUpTo(s, 3);
    else
        s.button(id).enabled = false;
    return true;
}

bool buyGun(ShopState& s, B id, int bonus, const char* gun) {
    double price = 0;
    if (!affordable(s, id, price)) return false;
    pay(s, price);
    s.gunType = gun;
    s.shotType = "Regular";
    for (B b : kShotButtons) s.button(b).enabled = true;
    s.attackPower += bonus;
    s.button(id).enabled = false;
    if (id == B::NinjaGun) s.shotW = s.shotH = 14;
    return true;
}
}  // namespace

std::array<ShopButton, kShopButtonCount> designShopButtons() {
    return {{{"10"}, {"10"}, {"10"}, {"500"}, {"1000"}, {"2000"}, {"3000"}, {"6500"}, {"10000"}}};
}

ShopState shopStateFrom(const GameState& run) {
    ShopState s;
    s.money = run.money;
    s.playerMaxHP = run.playerMaxHP;
    s.attackPower = run.attackPower;
    s.playerDefense = run.playerDefense;
    s.gunType = run.gunType;
    s.shotType = run.shotType;
    s.shotW = run.shotW;
    s.shotH = run.shotH;
    return s;
}

void copyShopStateTo(const ShopState& s, GameState& run) {
    run.money = s.money;
    run.playerMaxHP = s.playerMaxHP;
    run.attackPower = s.attackPower;
    run.playerDefense = s.playerDefense;
    run.gunType = s.gunType;
    run.shotType = s.shotType;
    run.shotW = s.shotW;
    run.shotH = s.shotH;
}

double statOpeningPrice(int value, int startValue) {
    if (value < 1 || value == startValue) return 10;
    return std::min(std::ldexp(10.0, value), DBL_MAX);
}

std::optional<std::array<const char*, 3>> shotPriceCaptions(const std::string& gunType) {
    switch (gunRank(gunType)) {
    case 0: return std::array<const char*, 3>{"500", "1000", "2000"};
    case 1: return std::array<const char*, 3>{"1000", "2000", "3000"};
    case 2: return std::array<const char*, 3>{"2000", "3000", "4000"};
    case 3: return std::array<const char*, 3>{"3000", "5000", "8000"};
    default: return std::nullopt;
    }
}

void openShop(ShopState& s) {
    s.buttons = designShopButtons();
    s.button(B::UpHP).caption = numberText(statOpeningPrice(s.playerMaxHP, kBaseMaxHP));
    s.button(B::DefUp).caption = numberText(statOpeningPrice(s.playerDefense, kBaseDefense));
    s.button(B::AttackUp).caption = numberText(statOpeningPrice(s.attackPower, kBaseAttack));
    disableShotButtonsUpTo(s, shotRank(s.shotType));
    disableGunButtonsUpTo(s, std::max(gunRank(s.gunType), 0));
}

void refreshShop(ShopState& s) {
    disableShotButtonsUpTo(s, shotRank(s.shotType));
    if (const auto prices = shotPriceCaptions(s.gunType)) {
        for (size_t i = 0; i < 3; ++i) s.button(kShotButtons[i]).caption = (*prices)[i];
        disableGunButtonsUpTo(s, gunRank(s.gunType));
    }
}

bool buy(ShopState& s, ShopButtonId id) {
    switch (id) {
    case B::UpHP: return buyStat(s, id, s.playerMaxHP);
    case B::AttackUp: return buyStat(s, id, s.attackPower);
    case B::DefUp: return buyStat(s, id, s.playerDefense);
    case B::Mega: return buyShot(s, id, 3, "Mega");
    case B::Giga: return buyShot(s, id, 5, "Giga");
    case B::Omega: return buyShot(s, id, 10, "Omega");
    case B::NinjaGun: return buyGun(s, id, 10, "Ninja");
    case B::ShockerGun: return buyGun(s, id, 30, "Shocker");
    case B::PsychicGun: return buyGun(s, id, 30, "Psychic");
    }
    return false;
}

std::string shopCaption(const ShopState& s) { return "Upgrades     $" + numberText(int64_t(s.money)); }
std::string hpLabel(const ShopState& s) { return "HP:" + numberText(int(s.playerMaxHP)); }
std::string attackLabel(const ShopState& s) { return "Attack:" + numberText(int(s.attackPower)); }
std::string defenseLabel(const ShopState& s) { return "Def:" + numberText(int(s.playerDefense)); }
std::string currentWeaponLabel(const ShopState& s) { return "Current Weapon:" + s.gunType; }
std::string currentShotLabel(const ShopState& s) { return "Current Shot Type:" + s.shotType; }

}  // namespace vrh
