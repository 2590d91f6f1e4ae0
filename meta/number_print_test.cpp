#include <gtest/gtest.h>

#include <cstdint>

#include "meta/NumberPrint.h"

using namespace vrh;

TEST(PrintForm, BlankForTheSignAndOneTrailingBlank) {
    EXPECT_EQ(printForm(3), " 3 ");
    EXPECT_EQ(printForm(-5), "-5 ");
    EXPECT_EQ(printForm(12345), " 12345 ");
    EXPECT_EQ(printForm(0), " 0 ");
    EXPECT_EQ(printForm(int64_t(2147483647)), " 2147483647 ");
    EXPECT_EQ(printForm(int64_t(-2147483648LL)), "-2147483648 ");
}

TEST(PrintForm, DoublesHoldingWholeNumbersLookLikeIntegers) {
    EXPECT_EQ(printForm(47000.0), " 47000 ");
    EXPECT_EQ(printForm(-7.0), "-7 ");
    EXPECT_EQ(printForm(-0.0), " 0 ") << "negative zero has no sign";
    EXPECT_EQ(printForm(1e15), " 1E+15 ");
    EXPECT_EQ(printForm(-2.5), "-2.5 ");
}

TEST(NumberText, PlainDecimalBelowTenToTheFifteen) {
    EXPECT_EQ(numberText(10.0), "10");
    EXPECT_EQ(numberText(640.0), "640");
    EXPECT_EQ(numberText(20480.0), "20480");
    EXPECT_EQ(numberText(703687441776640.0), "703687441776640");  // 10 * 2^46
    EXPECT_EQ(numberText(999999999999999.0), "999999999999999");
    EXPECT_EQ(numberText(int64_t(-123)), "-123");
    EXPECT_EQ(numberText(0.0), "0");
}

TEST(NumberText, ExponentFormFromTenToTheFifteen) {
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(1.2e16), "1.2E+16");
    EXPECT_EQ(numberText(1407374883553280.0), "1.40737488355328E+15");  // 10 * 2^47
    EXPECT_EQ(numberText(11258999068426240.0), "1.12589990684262E+16");  // 10 * 2^50
    EXPECT_EQ(numberText(-3e20), "-3E+20");
    EXPECT_EQ(numberText(1e100), "1E+100");
    EXPECT_EQ(numberText(9999999999999999.0), "1E+16") << "rounded to 15 digits first";
}

TEST(NumberText, FractionsKeepFifteenSignificantDigits) {
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(-2.25), "-2.25");
    EXPECT_EQ(numberText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3") << "the 16th and 17th digits are not shown";
    EXPECT_EQ(numberText(0.00001), "1E-05");
}
