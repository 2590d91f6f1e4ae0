#pragma once
// The rules of the upgrade shop between levels: prices, purchases and which
// buttons can be pressed. The shop keeps its prices in the captions of its
// buttons and reads them back at every purchase, so the state here is the
// player values it changes plus the nine buttons (caption and enabled flag).
// The window copies the run in (shopStateFrom), calls openShop once, then
// buy() on a click and refreshShop() on every 100 ms tick, and copies the
// values back (copyShopStateTo).
#include <array>
#include <optional>
#include <string>

#include "game/GameState.h"
#include "game/Int16.h"

namespace vrh {

enum class ShopButtonId {
    UpHP,        // hpUpButton
    AttackUp,    // attackUpButton
    DefUp,       // defenseUpButton
    Mega,        // megaShotButton
    Giga,        // gigaShotButton
    Omega,       // omegaShotButton
    NinjaGun,    // ninjaGunButton
    ShockerGun,  // shockerGunButton
    PsychicGun,  // psychicGunButton
};
inline constexpr int kShopButtonCount = 9;

struct ShopButton {
    std::string caption;
    bool enabled = true;
};

// The buttons as the window is designed: all enabled, the design captions.
std::array<ShopButton, kShopButtonCount> designShopButtons();

struct ShopState {
    Int32 money = 0;
    Int16 playerMaxHP = 5;
    Int16 attackPower = 1;
    Int16 playerDefense = 0;
    std::string gunType = "Regular";
    std::string shotType = "Regular";
    Int16 shotW = 14, shotH = 14;
    std::array<ShopButton, kShopButtonCount> buttons = designShopButtons();

    ShopButton& button(ShopButtonId id) { return buttons[size_t(id)]; }
    const ShopButton& button(ShopButtonId id) const { return buttons[size_t(id)]; }
};

ShopState shopStateFrom(const GameState& run);
void copyShopStateTo(const ShopState& shop, GameState& run);

// Starting values of the three stats.
inline constexpr int kBaseMaxHP = 5;
inline constexpr int kBaseAttack = 1;
inline constexpr int kBaseDefense = 0;

// A stat's price when the shop opens: 10 when the stat is at its starting
// value or below 1, else 10 * 2^value (not 2^(value - start)). Beyond the
// range of a double the price stays at the largest double.
double statOpeningPrice(int value, int startValue);

// The three shot prices (Mega, Giga, Omega) shown with a gun; none for a gun
// the shop does not know.
std::optional<std::array<const char*, 3>> shotPriceCaptions(const std::string& gunType);

// Opening: design buttons, the three stat prices, shot and gun buttons at or
// below what the player has disabled. The shot prices stay the design ones
// until the first tick.
void openShop(ShopState& shop);

// The part of the tick that concerns the rules: disable the shot buttons at or
// below the equipped shot; set the shot prices for the gun and disable the gun
// buttons at or below it.
void refreshShop(ShopState& shop);

// A click on a button. Returns whether something was bought: nothing happens
// when the button is disabled or its price is above the money (a price equal
// to the money buys).
bool buy(ShopState& shop, ShopButtonId id);

// Texts of the window.
std::string shopCaption(const ShopState& shop);         // "Upgrades     $1234"
std::string hpLabel(const ShopState& shop);             // "HP:5"
std::string attackLabel(const ShopState& shop);         // "Attack:1"
std::string defenseLabel(const ShopState& shop);        // "Def:0"
std::string currentWeaponLabel(const ShopState& shop);  // "Current Weapon:Regular"
std::string currentShotLabel(const ShopState& shop);    // "Current Shot Type:Regular"

}  // namespace vrh
