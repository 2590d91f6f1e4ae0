// The items of the game's text files: how they are split, quoted, read as numbers and printed,
// and the media flag file made of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "meta/FlagFile.h"
#include "meta/ItemReader.h"
#include "meta/NumberPrint.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
using Items = std::vector<std::string>;

// Guards item splitting: separators, line ends, blanks, empty items and quoting.
TEST(ItemReader, SplitsAsTheFilesAreWritten) {
    const std::pair<std::string, Items> cases[] = {
        {"a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
        {"a\n\rb", {"a", "", "b"}},                       // LF then CR: two line ends
        {"  \tx y \r\n 47000 \r\n", {"x y ", "47000 "}},  // leading blanks skipped, trailing kept
        {"", {}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"\"a,b\" tail,c", {"a,b", "c"}},
        {"\"two\r\nlines\"\r\nx", {"two", "lines\"", "x"}},  // a quote ends at its line's end
        {"\"say \"\"hi\"\"\"\r\n", {"say \"hi\""}},
        {"ab\"c\",d", {"ab\"c\"", "d"}},
    };
    for (const auto& [text, items] : cases) EXPECT_EQ(readItems(text), items) << "[" << text << "]";
}

// Guards quoting text that needs none, and names with commas, quotes, blanks or line ends not reading back.
TEST(ItemReader, QuotedOnlyWhenNeededAndReadsBackAsOneItem) {
    for (const std::string s : {"Brisko", "47000", "trailing ", "in side", ""}) EXPECT_EQ(quoteItem(s), s);
    for (std::string s : {"a,b", "  lead", "\tlead", "\"quoted\"", "say \"hi\"", "\"", "x\r\ny", "cr\ronly",
                          ",", " ", "a\"\"b", "\xff\xfe\xc3\x28", "mid\"dle, \"both\" "}) {
        const std::string line = quoteItem(s);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "one value a line";
        std::replace_if(
            s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        EXPECT_EQ(readItems(line + "\r\n" + line + "," + line), (Items{s, s, s}))
            << "written as [" << line << "]";
    }
}

// Guards a huge or endless file costing more than the items a reader needs.
TEST(ItemReader, StopsAfterTheItemsNeededAndCutsHugeValues) {
    const std::string huge(3 * kMaxItemBytes, 'N'), cut(kMaxItemBytes, 'N');
    const std::string euroAtTheCut =
        std::string(kMaxItemBytes - 2, 'e') + "\xe2\x82\xac";  // two of its three bytes fit
    EXPECT_EQ(readItems(huge + "\r\n\"" + huge + "\"\r\n" + euroAtTheCut + ",x,y,z", {4, kMaxItemBytes}),
              (Items{cut, cut, std::string(kMaxItemBytes - 2, 'e'), "x"}));
    TextSource more("a,b,c"), exact("a,b\r\n");
    EXPECT_TRUE(readItems(more, {2, kMaxItemBytes}).moreItems);
    EXPECT_FALSE(readItems(exact, {2, kMaxItemBytes}).moreItems);
}

// Guards the number forms the files hold, and text (or a number out of range) passing as a number.
TEST(ItemReader, NumbersAsTheFilesHoldThemAndNothingElse) {
    for (auto [s, v] : {std::pair{" 47000 ", 47000.0},
                        {"-5", -5.0},
                        {"+3", 3.0},
                        {".5", 0.5},
                        {"5.", 5.0},
                        {"1E+15", 1e15},
                        {"1.2e16", 1.2e16},
                        {"1D2", 100.0},
                        {"1e-999", 0.0}})
        EXPECT_EQ(toNumber(s), v) << "[" << s << "]";
    for (const std::string& s :
         std::vector<std::string>{"", " ", "12abc", "1 2", "1e", "e5", ".", "-", "inf", "nan", "0x10", "1,5",
                                  "+-1", "1e999", "\"5\"", std::string("5\0", 2)})
        EXPECT_FALSE(toNumber(s)) << "[" << s << "]";
    EXPECT_EQ(toNumberOr0("12abc") + toNumberOr0(" 9 "), 9.0);
}

// Guards the caption format (plain digits below 1E+15, then exponent form; 15 significant digits)
// and the file's print form (a blank for the sign, one trailing blank).
TEST(NumberPrint, CaptionAndFileForms) {
    const struct {
        double value;
        const char *caption, *file;
    } cases[] = {
        {3, "3", " 3 "},
        {-5, "-5", "-5 "},
        {-0.0, "0", " 0 "},
        {2147483647, "2147483647", " 2147483647 "},
        {-2.5, "-2.5", "-2.5 "},
        {703687441776640.0, "703687441776640", " 703687441776640 "},
        {999999999999999.0, "999999999999999", nullptr},
        {1e15, "1E+15", " 1E+15 "},
        {1.2e16, "1.2E+16", nullptr},
        {1407374883553280.0, "1.40737488355328E+15", nullptr},
        {-3e20, "-3E+20", "-3E+20 "},
        {1e100, "1E+100", nullptr},
        {9999999999999999.0, "1E+16", nullptr},
        {1.0 / 3.0, "0.333333333333333", nullptr},
        {0.1 + 0.2, "0.3", nullptr},
        {0.00001, "1E-05", nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberText(c.value), c.caption);
        if (c.file) {
            EXPECT_EQ(printForm(c.value), c.file);
        }
    }
    EXPECT_EQ(numberText(int64_t(-123)) + "|" + printForm(12345) + "|" + printForm(int64_t(-2147483648LL)),
              "-123| 12345 |-2147483648 ");
}

// Guards which fields count as Yes (exactly, case-sensitive, quotes removed), the cap on passes,
// and a missing flag file or a folder in its place.
TEST(FlagFile, CountsTheFieldsThatAreExactlyYes) {
    for (auto [text, yes] : {std::pair{"Yes\r\n", 1},
                             {"Yes", 1},
                             {"Yes\r\nYes\r\n", 2},
                             {"\"Yes\"\r\n", 1},
                             {"No,Yes\r\n", 1},
                             {"yes\r\n", 0},
                             {"YES", 0},
                             {"Yess\r\n", 0},
                             {"", 0},
                             {kFlagFileDone, 0}})
        EXPECT_EQ(countYesFields(text), yes) << "[" << text << "]";
    const test::ScratchFolder dir("vrh_flag_test");
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).status, FileStatus::Missing);
    EXPECT_EQ(readFlagFile(dir.path()).status, FileStatus::Refused);
    std::ofstream(dir / kFlagFileName, std::ios::binary) << [] {
        std::string s;
        for (int i = 0; i < 100000; ++i) s += "Yes\r\n";
        return s;
    }();
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).yes, 8) << "a pass per Yes, up to eight";
}
