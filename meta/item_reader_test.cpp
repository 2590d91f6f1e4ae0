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

static std::string joined(const Items& items) {
    std::string s;
    for (const std::string& item : items) s += "[" + item + "]";
    return s;
}

// Guards item splitting: separators, line ends (LF then CR is two), blanks (leading skipped, trailing
// kept), empty items, quoting (a quote ends at its line's end); quoting only text that needs it, so that
// names with commas, quotes, blanks or line ends read back; and a huge or endless file costing more than
// the items a reader needs.
TEST(ItemReader, SplitsQuotesAndStopsAsTheFilesNeed) {
    std::string got;
    for (const char* text :
         {"a,b\r\nc\nd\re", "a\n\rb", "  \tx y \r\n 47000 \r\n", "", "a\r\n\r\nb\r\n", "a,", "\"a,b\" tail,c",
          "\"two\r\nlines\"\r\nx", "\"say \"\"hi\"\"\"\r\n", "ab\"c\",d"})
        got += joined(readItems(text)) + "|";
    EXPECT_EQ(got,
              "[a][b][c][d][e]|[a][][b]|[x y ][47000 ]||[a][][b]|[a][]|[a,b][c]|[two][lines\"][x]|"
              "[say \"hi\"]|[ab\"c\"][d]|");
    for (const std::string s : {"Brisko", "47000", "trailing ", "in side", ""}) EXPECT_EQ(quoteItem(s), s);
    for (std::string s : {"a,b", "  lead", "\tlead", "\"quoted\"", "say \"hi\"", "\"", "x\r\ny", "cr\ronly",
                          ",", " ", "a\"\"b", "\xff\xfe\xc3\x28", "mid\"dle, \"both\" "}) {
        const std::string line = quoteItem(s);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "one value a line";
        std::replace(s.begin(), s.end(), '\r', ' ');
        std::replace(s.begin(), s.end(), '\n', ' ');
        EXPECT_EQ(readItems(line + "\r\n" + line + "," + line), (Items{s, s, s})) << "[" << line << "]";
    }
    const std::string huge(3 * kMaxItemBytes, 'N'), cut(kMaxItemBytes, 'N'), e(kMaxItemBytes - 2, 'e');
    // the euro sign at the cut: two of its three bytes fit
    EXPECT_EQ(readItems(huge + "\r\n\"" + huge + "\"\r\n" + e + "\xe2\x82\xac,x,y,z", {4, kMaxItemBytes}),
              (Items{cut, cut, e, "x"}));
    TextSource more("a,b,c"), exact("a,b\r\n");
    EXPECT_TRUE(readItems(more, {2, kMaxItemBytes}).moreItems);
    EXPECT_FALSE(readItems(exact, {2, kMaxItemBytes}).moreItems);
}

// Guards the number forms the files hold, text (or a number out of range) passing as a number; the caption
// format (plain digits below 1E+15, then exponent form; 15 significant digits) and the file's print form
// (a blank for the sign, one trailing blank).
TEST(Numbers, ReadAsTheFilesHoldThemAndPrintedInCaptionAndFileForms) {
    const std::pair<const char*, double> numbers[] = {
        {" 47000 ", 47000.0}, {"-5", -5.0},       {"+3", 3.0},    {".5", 0.5},     {"5.", 5.0},
        {"1E+15", 1e15},      {"1.2e16", 1.2e16}, {"1D2", 100.0}, {"1e-999", 0.0},
    };
    for (auto [s, v] : numbers) EXPECT_EQ(toNumber(s), v) << "[" << s << "]";
    for (const char* s : {"", " ", "12abc", "1 2", "1e", "e5", ".", "-", "inf", "nan", "0x10", "1,5", "+-1",
                          "1e999", "\"5\""})
        EXPECT_FALSE(toNumber(s)) << "[" << s << "]";
    EXPECT_FALSE(toNumber(std::string("5\0", 2)));
    EXPECT_EQ(toNumberOr0("12abc") + toNumberOr0(" 9 "), 9.0);
    std::string captions, files;
    for (double v : {3.0, -5.0, -0.0, 2147483647.0, -2.5, 703687441776640.0, 1e15, -3e20, 999999999999999.0,
                     1.2e16, 1407374883553280.0, 1e100, 9999999999999999.0, 1.0 / 3.0, 0.1 + 0.2, 0.00001})
        captions += numberText(v) + "|";
    for (double v : {3.0, -5.0, -0.0, 2147483647.0, -2.5, 703687441776640.0, 1e15, -3e20})
        files += printForm(v) + "|";
    EXPECT_EQ(captions,
              "3|-5|0|2147483647|-2.5|703687441776640|1E+15|-3E+20|999999999999999|1.2E+16|"
              "1.40737488355328E+15|1E+100|1E+16|0.333333333333333|0.3|1E-05|");
    EXPECT_EQ(files, " 3 |-5 | 0 | 2147483647 |-2.5 | 703687441776640 | 1E+15 |-3E+20 |");
    EXPECT_EQ(numberText(int64_t(-123)) + "|" + printForm(12345) + "|" + printForm(int64_t(-2147483648LL)),
              "-123| 12345 |-2147483648 ");
}

// Guards the fields that count as Yes (exactly, quotes removed), the cap on passes, a missing or odd file.
TEST(FlagFile, CountsTheFieldsThatAreExactlyYes) {
    std::string counts;
    for (const char* text : {"Yes\r\n", "Yes", "Yes\r\nYes\r\n", "\"Yes\"\r\n", "No,Yes\r\n", "yes\r\n",
                             "YES", "Yess\r\n", "", kFlagFileDone})
        counts += std::to_string(countYesFields(text));
    EXPECT_EQ(counts, "1121100000");
    const test::ScratchFolder dir("vrh_flag_test");
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).status, FileStatus::Missing);
    EXPECT_EQ(readFlagFile(dir.path()).status, FileStatus::Refused);
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "Yes\r\n";
    std::ofstream(dir / kFlagFileName, std::ios::binary) << many;
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).yes, 8) << "a pass per Yes, up to eight";
}
