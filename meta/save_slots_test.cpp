// The save file; saving and loading through the picker are in windows/save_slots_window_test.
#include <gtest/gtest.h>

#include "meta/ItemReader.h"
#include "meta/SaveSlots.h"

using namespace vrh;

static SaveSlots read(const std::optional<std::string>& text, SaveFileRead* result = nullptr) {
    SaveSlots slots;
    const SaveFileRead r = readSaveSlots(slots, text);
    if (result) *result = r;
    return slots;
}

// Guards the field order, line ends, number form, rounding (ties to even) and saturation, full HP on loading,
// no half-loaded run; a missing file created, blank slots not new, the captions, fields the file does not
// reach wiped, items past the thirtieth dropped.
TEST(SaveSlots, TheTenFieldsInOrderReadAndWritten) {
    GameState run;  // level 1, HP 5, attack 1, defence 0, score 0, lives 5
    run.money = 1500;
    run.gunType = "Ninja";
    SaveSlots slots;
    saveRunToSlot(slots, 1, run, "Smith, Jr.");
    const std::string
        none = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n",
        saved = "\"Smith, Jr.\"\r\n 1 \r\n 5 \r\n 1 \r\n 0 \r\n 1500 \r\nNinja\r\nRegular\r\n 0 \r\n 5 \r\n";
    EXPECT_EQ(serializeSaveSlots(slots), none + saved + none);
    std::string name;
    ASSERT_FALSE(loadRunFromSlot(
        read(",,,,,,,,,\r\nN,2.5,3.5,-2.5,99999,3000000000,Psychic,Giga,-1e12,0.5\r\n"), 1, run, name));
    EXPECT_EQ(name + " " + run.gunType + " " + run.shotType, "N Psychic Giga");
    EXPECT_EQ(std::vector<int64_t>({run.level, run.playerMaxHP, run.playerHP, run.attackPower,
                                    run.playerDefense, run.lives, run.money, run.score}),
              std::vector<int64_t>({2, 4, 4, -2, 32767, 0, 2147483647, -2147483648LL}));
    const auto error =
        loadRunFromSlot(read("M, 3 , 5 , 1 , 0 ,lots,Regular,Regular, 10 , 5 \r\n"), 0, run, name);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "This file cannot be loaded: its money \"lots\" is not a number.");
    EXPECT_EQ(std::pair(int(run.level), name), std::pair(2, std::string("N"))) << "nothing is restored";
    EXPECT_EQ(loadRunFromSlot(read("N\r\n 3 \r\n"), 0, run, name)->field, SaveField::MaxHP);
    SaveFileRead r;
    EXPECT_TRUE(isNewFile(read(std::nullopt, &r), 2));
    EXPECT_TRUE(r.createEmptyFile);
    read(std::string(), &r);
    EXPECT_FALSE(r.createEmptyFile) << "an empty file is there";
    slots = read(",,,,,,,,,\r\nX");
    using enum CaptionMoment;
    EXPECT_EQ(slotCaption(slots, 0, Opening) + "|" + slotCaption(slots, 1, Opening) + "|" +
                  slotCaption(slots, 1, AfterQuestion),
              std::string(kNewFileCaption) + "|Name:X|Name: X");
    readSaveSlots(slots, "Bert\r\n 8 \r\n");
    EXPECT_EQ(displayText(slots.at(0, SaveField::Name)) + displayText(slots.at(0, SaveField::Level)) +
                  displayText(slots.at(1, SaveField::Name)),
              "Bert8 X")
        << "slot 2 kept from before";
    std::string text;
    for (int i = 1; i <= 45; ++i) text += std::to_string(i) + "\r\n";
    slots = read(text, &r);
    EXPECT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(displayText(slots.at(2, SaveField::Lives)), "30");
    EXPECT_EQ(readItems(serializeSaveSlots(slots)).size(), 30u);
}
