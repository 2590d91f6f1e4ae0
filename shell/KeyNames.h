#pragma once
// The keys a pad button can be bound to: 54 names with their virtual-key
// codes, in the order every button box of the key configuration lists them.
// Names are matched exactly ("SpaceBar", upper-case letters).
#include <array>
#include <optional>
#include <string_view>

namespace vrh {

struct KeyName {
    std::string_view name;
    int code;
};

inline constexpr int kKeyNameCount = 54;

// Letters A..Z, digits 0..9, SpaceBar, Shift, Enter, Tab, NumPad0..NumPad9,
// UpArrow, DownArrow, RightArrow, LeftArrow.
const std::array<KeyName, kKeyNameCount>& keyNameList();

// Code of the first entry with exactly this name.
std::optional<int> keyCodeOf(std::string_view name);
// Name of the first entry with this code.
std::optional<std::string_view> keyNameOf(int code);

}  // namespace vrh
