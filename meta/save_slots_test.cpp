// The save file's reader; saving and loading through the picker are in ui/save_slots_window_test.
#include <gtest/gtest.h>

#include <string>

#include "meta/ItemReader.h"
#include "meta/SaveSlots.h"

using namespace vrh;

namespace {

SaveSlots read(const std::optional<std::string>& text, SaveFileRead* result = nullptr) {
    SaveSlots slots;
    const SaveFileRead r = readSaveSlots(slots, text);
    if (result) *result = r;
    return slots;
}

}  // namespace

// Guards an empty file being recreated, and a slot of empty texts not counting as new.
TEST(SaveSlotFile, EmptyFileOrBlankSlotsAreNewFiles) {
    SaveFileRead r;
    EXPECT_TRUE(isNewFile(read(std::string(), &r), 2));
    EXPECT_FALSE(r.createEmptyFile);
    const SaveSlots slots = read(",,,,,,,,,\r\nX");
    EXPECT_TRUE(isNewFile(slots, 0));
    EXPECT_EQ(slotCaption(slots, 1, CaptionMoment::Opening), "Name:X");
}

// Guards rounding (ties to even) and saturation of the numbers read.
TEST(SaveSlotFile, NumbersTakeTheNearestIntegerAndSaturate) {
    GameState run;
    std::string name;
    const SaveSlots slots = read("N,2.5,3.5,-2.5,99999,3000000000,Regular,Regular,-1e12,0.5\r\n");
    ASSERT_FALSE(loadRunFromSlot(slots, 0, run, name).has_value());
    EXPECT_EQ(int(run.level), 2) << "ties go to the even neighbour";
    EXPECT_EQ(int(run.playerMaxHP), 4);
    EXPECT_EQ(int(run.playerHP), 4) << "a loaded run starts with full HP";
    EXPECT_EQ(int(run.attackPower), -2);
    EXPECT_EQ(int(run.playerDefense), 32767);
    EXPECT_EQ(int64_t(run.money), 2147483647);
    EXPECT_EQ(int64_t(run.score), -2147483648LL);
    EXPECT_EQ(int(run.lives), 0);
}

// Guards a half-loaded run from a slot with text or nothing in a number field.
TEST(SaveSlotFile, SlotWithTextInANumberFieldIsNotLoaded) {
    GameState run;
    run.level = 9;
    std::string name = "kept";
    const auto err = loadRunFromSlot(read("N, 3 , 5 , 1 , 0 ,lots,Regular,Regular, 10 , 5 \r\n"), 0, run, name);
    ASSERT_TRUE(err.has_value());
    EXPECT_EQ(err->field, SaveField::Money);
    EXPECT_NE(err->message().find("money"), std::string::npos) << err->message();
    EXPECT_NE(err->message().find("lots"), std::string::npos);
    EXPECT_EQ(int(run.level), 9) << "nothing is restored from a broken slot";
    EXPECT_EQ(name, "kept");
    const auto cut = loadRunFromSlot(read("N\r\n 3 \r\n"), 0, run, name);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->field, SaveField::MaxHP);
}

// Guards reading wiping fields the file does not reach.
TEST(SaveSlotFile, ReadingKeepsFieldsTheFileDoesNotReach) {
    SaveSlots slots;
    GameState run;
    run.money = 1500;
    saveRunToSlot(slots, 0, run, "Anna");
    saveRunToSlot(slots, 2, run, "Cleo");
    readSaveSlots(slots, "Bert\r\n 8 \r\n");
    EXPECT_EQ(displayText(slots.at(0, SaveField::Name)), "Bert");
    EXPECT_EQ(rankValue(slots.at(0, SaveField::Level)), 8);
    EXPECT_EQ(rankValue(slots.at(0, SaveField::Money)), 1500) << "kept from before";
    EXPECT_EQ(slotCaption(slots, 2, CaptionMoment::Opening), "Name:Cleo");
}

// Guards items past the thirtieth spilling into the slots or the rewrite.
TEST(SaveSlotFile, OnlyTheFirstThirtyItemsCount) {
    std::string text;
    for (int i = 1; i <= 45; ++i) text += std::to_string(i) + "\r\n";
    SaveFileRead r;
    const SaveSlots slots = read(text, &r);
    EXPECT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(displayText(slots.at(2, SaveField::Lives)), "30");
    EXPECT_EQ(readItems(serializeSaveSlots(slots)).size(), 30u);
}
