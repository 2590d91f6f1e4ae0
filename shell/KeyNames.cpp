#include "shell/KeyNames.h"

namespace vrh {

namespace {

constexpr std::array<KeyName, kKeyNameCount> buildList() {
    constexpr std::string_view letters[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                              "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                              "S", "T", "U", "V", "W", "X", "Y", "Z"};
    constexpr std::string_view digits[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    constexpr std::string_view pad[10] = {"NumPad0", "NumPad1", "NumPad2", "NumPad3", "NumPad4",
                                          "NumPad5", "NumPad6", "NumPad7", "NumPad8", "NumPad9"};
    std::array<KeyName, kKeyNameCount> list{};
    int n = 0;
    for (int i = 0; i < 26; ++i) list[n++] = {letters[i], 'A' + i};
    for (int i = 0; i < 10; ++i) list[n++] = {digits[i], '0' + i};
    list[n++] = {"SpaceBar", 32};
    list[n++] = {"Shift", 16};
    list[n++] = {"Enter", 13};
    list[n++] = {"Tab", 9};
    for (int i = 0; i < 10; ++i) list[n++] = {pad[i], 96 + i};
    list[n++] = {"UpArrow", 38};
    list[n++] = {"DownArrow", 40};
    list[n++] = {"RightArrow", 39};
    list[n++] = {"LeftArrow", 37};
    return list;
}

constexpr std::array<KeyName, kKeyNameCount> kKeyNames = buildList();

}  // namespace

const std::array<KeyName, kKeyNameCount>& keyNameList() { return kKeyNames; }

std::optional<int> keyCodeOf(std::string_view name) {
    for (const KeyName& k : kKeyNames)
        if (k.name == name) return k.code;
    return std::nullopt;
}

std::optional<std::string_view> keyNameOf(int code) {
    for (const KeyName& k : kKeyNames)
        if (k.code == code) return k.name;
    return std::nullopt;
}

}  // namespace vrh
