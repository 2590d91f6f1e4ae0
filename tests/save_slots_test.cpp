#include <gtest/gtest.h>

#include <string>

#include "meta/ItemReader.h"
#include "meta/SaveSlots.h"
#include "tests/support/TestData.h"

using namespace vrh;
using test::fixture;

namespace {

GameState annasRun() {
    GameState run;
    run.level = 3;
    run.playerMaxHP = 7;
    run.playerHP = 2;  // hurt: the slot keeps the full HP
    run.attackPower = 4;
    run.playerDefense = 2;
    run.money = 1500;
    run.gunType = "Ninja";
    run.shotType = "Mega";
    run.score = 12345;
    run.lives = 4;
    return run;
}

}  // namespace

TEST(SaveSlotFile, EmptyFileShowsThreeNewFiles) {
    SaveSlots slots;
    SaveFileRead r = readSaveSlots(slots, std::string());
    EXPECT_FALSE(r.createEmptyFile);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(isNewFile(slots, i));
        EXPECT_EQ(slotCaption(slots, i, CaptionMoment::Opening), "------------New file------------");
    }
}

TEST(SaveSlotFile, MissingFileIsCreatedEmpty) {
    SaveSlots slots;
    SaveFileRead r = readSaveSlots(slots, std::nullopt);
    EXPECT_TRUE(r.createEmptyFile);
    EXPECT_FALSE(r.notes.empty());
    EXPECT_TRUE(isNewFile(slots, 0) && isNewFile(slots, 1) && isNewFile(slots, 2));
}

TEST(SaveSlotFile, SavingIntoSlot2OfAnEmptyFile) {
    SaveSlots slots;
    readSaveSlots(slots, std::string());
    saveRunToSlot(slots, 1, annasRun(), "Anna");
    const std::string text = serializeSaveSlots(slots);
    EXPECT_EQ(text, fixture("vrhsf_slot2.txt"));

    SaveSlots reopened;
    readSaveSlots(reopened, text);
    EXPECT_EQ(slotCaption(reopened, 0, CaptionMoment::Opening), kNewFileCaption);
    EXPECT_EQ(slotCaption(reopened, 1, CaptionMoment::Opening), "Name:Anna");
    EXPECT_EQ(slotCaption(reopened, 1, CaptionMoment::AfterQuestion), "Name: Anna");
    EXPECT_EQ(slotCaption(reopened, 2, CaptionMoment::AfterQuestion), kNewFileCaption);
}

TEST(SaveSlotFile, LoadingRestoresTheRun) {
    SaveSlots slots;
    readSaveSlots(slots, fixture("vrhsf_slot2.txt"));
    GameState run;  // a fresh run, as the game window starts one
    std::string name = "before";
    ASSERT_FALSE(loadRunFromSlot(slots, 1, run, name).has_value());
    EXPECT_EQ(int(run.level), 3);
    EXPECT_EQ(int(run.playerMaxHP), 7);
    EXPECT_EQ(int(run.playerHP), 7) << "a loaded run starts with full hit points";
    EXPECT_EQ(int(run.attackPower), 4);
    EXPECT_EQ(int(run.playerDefense), 2);
    EXPECT_EQ(int64_t(run.money), 1500);
    EXPECT_EQ(run.gunType, "Ninja");
    EXPECT_EQ(run.shotType, "Mega");
    EXPECT_EQ(int64_t(run.score), 12345);
    EXPECT_EQ(int(run.lives), 4);
    EXPECT_EQ(name, "Anna");
}

TEST(SaveSlotFile, NumbersTakeTheNearestIntegerAndSaturate) {
    SaveSlots slots;
    readSaveSlots(slots, "N,2.5,3.5,-2.5,99999,3000000000,Regular,Regular,-1e12,0.5\r\n");
    GameState run;
    std::string name;
    ASSERT_FALSE(loadRunFromSlot(slots, 0, run, name).has_value());
    EXPECT_EQ(int(run.level), 2) << "ties go to the even neighbour";
    EXPECT_EQ(int(run.playerMaxHP), 4);
    EXPECT_EQ(int(run.attackPower), -2);
    EXPECT_EQ(int(run.playerDefense), 32767);
    EXPECT_EQ(int64_t(run.money), 2147483647);
    EXPECT_EQ(int64_t(run.score), -2147483648LL);
    EXPECT_EQ(int(run.lives), 0);
}

TEST(SaveSlotFile, SlotWithTextInANumberFieldIsNotLoaded) {
    SaveSlots slots;
    readSaveSlots(slots, "N, 3 , 5 , 1 , 0 ,lots,Regular,Regular, 10 , 5 \r\n");
    GameState run;
    run.level = 9;
    run.money = 77;
    std::string name = "kept";
    const auto err = loadRunFromSlot(slots, 0, run, name);
    ASSERT_TRUE(err.has_value());
    EXPECT_EQ(err->field, SaveField::Money);
    EXPECT_NE(err->message().find("money"), std::string::npos) << err->message();
    EXPECT_NE(err->message().find("lots"), std::string::npos);
    EXPECT_EQ(int(run.level), 9) << "nothing is restored from a broken slot";
    EXPECT_EQ(int64_t(run.money), 77);
    EXPECT_EQ(name, "kept");

    // A slot cut short by the end of the file misses its later numbers.
    SaveSlots shortSlots;
    readSaveSlots(shortSlots, "N\r\n 3 \r\n");
    const auto err2 = loadRunFromSlot(shortSlots, 0, run, name);
    ASSERT_TRUE(err2.has_value());
    EXPECT_EQ(err2->field, SaveField::MaxHP);
}

TEST(SaveSlotFile, ReadingKeepsFieldsTheFileDoesNotReach) {
    SaveSlots slots;
    saveRunToSlot(slots, 0, annasRun(), "Anna");
    saveRunToSlot(slots, 2, annasRun(), "Cleo");
    readSaveSlots(slots, "Bert\r\n 8 \r\n");
    EXPECT_EQ(displayText(slots.at(0, SaveField::Name)), "Bert");
    EXPECT_EQ(rankValue(slots.at(0, SaveField::Level)), 8);
    EXPECT_EQ(rankValue(slots.at(0, SaveField::Money)), 1500) << "kept from before";
    EXPECT_EQ(slotCaption(slots, 2, CaptionMoment::Opening), "Name:Cleo");
}

TEST(SaveSlotFile, OnlyTheFirstThirtyItemsCount) {
    std::string text;
    for (int i = 1; i <= 45; ++i) text += std::to_string(i) + "\r\n";
    SaveSlots slots;
    SaveFileRead r = readSaveSlots(slots, text);
    EXPECT_EQ(r.notes.size(), 1u);
    EXPECT_EQ(displayText(slots.at(0, SaveField::Name)), "1");
    EXPECT_EQ(displayText(slots.at(2, SaveField::Lives)), "30");
    EXPECT_EQ(readItems(serializeSaveSlots(slots)).size(), 30u);
}

TEST(SaveSlotFile, SlotOfEmptyTextsIsANewFile) {
    SaveSlots slots;
    readSaveSlots(slots, ",,,,,,,,,\r\nX");
    EXPECT_TRUE(isNewFile(slots, 0));
    EXPECT_FALSE(isNewFile(slots, 1));
    EXPECT_EQ(slotCaption(slots, 1, CaptionMoment::Opening), "Name:X");
}
