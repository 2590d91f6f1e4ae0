#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell/KeyNames.h"

using namespace vrh;

TEST(KeyNames, FiftyFourEntriesInBoxOrder) {
    std::vector<std::pair<std::string, int>> expected;
    for (int i = 0; i < 26; ++i) expected.push_back({std::string(1, char('A' + i)), 65 + i});
    for (int i = 0; i < 10; ++i) expected.push_back({std::string(1, char('0' + i)), 48 + i});
    expected.insert(expected.end(), {{"SpaceBar", 32}, {"Shift", 16}, {"Enter", 13}, {"Tab", 9}});
    for (int i = 0; i < 10; ++i) expected.push_back({"NumPad" + std::to_string(i), 96 + i});
    expected.insert(expected.end(), {{"UpArrow", 38}, {"DownArrow", 40}, {"RightArrow", 39}, {"LeftArrow", 37}});

    const auto& list = keyNameList();
    ASSERT_EQ(expected.size(), list.size());
    std::set<int> codes;
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].name, expected[i].first) << i;
        EXPECT_EQ(list[i].code, expected[i].second) << i;
        codes.insert(list[i].code);
    }
    EXPECT_EQ(codes.size(), 54u) << "no code twice";
}

TEST(KeyNames, LookupsAreExactAndCaseSensitive) {
    EXPECT_EQ(keyCodeOf("SpaceBar"), 32);
    EXPECT_EQ(keyCodeOf("NumPad5"), 101);
    EXPECT_FALSE(keyCodeOf("Spacebar")) << "capital B";
    EXPECT_FALSE(keyCodeOf("m")) << "letters are upper case";
    EXPECT_FALSE(keyCodeOf("Enter "));
    EXPECT_FALSE(keyCodeOf(""));
    EXPECT_EQ(keyNameOf(13), "Enter");
    EXPECT_EQ(keyNameOf(105), "NumPad9");
    EXPECT_FALSE(keyNameOf(112)) << "F1 cannot be bound";
    // Every default binding has a name, so a fresh configuration window shows them all.
    for (int code : {32, 77, 78, 79, 80, 81, 38, 40, 37, 39, 13, 16}) EXPECT_TRUE(keyNameOf(code)) << code;
}
