#include <gtest/gtest.h>

#include <set>

#include "shell/KeyNames.h"

using namespace vrh;

// Guards the names' order in the binding boxes, their codes, and lookups being exact.
TEST(KeyNames, FiftyFourNamesInBoxOrderWithExactLookups) {
    const auto& list = keyNameList();
    ASSERT_EQ(list.size(), 54u);
    const std::pair<size_t, std::pair<std::string_view, int>> at[] = {
        {0, {"A", 65}},           {25, {"Z", 90}},         {26, {"0", 48}},       {35, {"9", 57}},
        {36, {"SpaceBar", 32}},   {37, {"Shift", 16}},     {38, {"Enter", 13}},   {39, {"Tab", 9}},
        {40, {"NumPad0", 96}},    {49, {"NumPad9", 105}},  {50, {"UpArrow", 38}}, {51, {"DownArrow", 40}},
        {52, {"RightArrow", 39}}, {53, {"LeftArrow", 37}},
    };
    for (const auto& [i, key] : at) EXPECT_EQ(std::pair(list[i].name, list[i].code), key) << i;
    std::set<int> codes;
    for (const KeyName& k : list) codes.insert(k.code);
    EXPECT_EQ(codes.size(), 54u) << "no code twice";
    EXPECT_EQ(keyCodeOf("NumPad5"), 101);
    for (const char* name : {"Spacebar", "m", "Enter ", ""}) EXPECT_FALSE(keyCodeOf(name)) << name;
    EXPECT_EQ(keyNameOf(105), "NumPad9");
    EXPECT_FALSE(keyNameOf(112)) << "F1 cannot be bound";
}
