#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "meta/ItemReader.h"

using namespace vrh;
using Items = std::vector<std::string>;

// Guards item splitting: separators, line ends, blanks, empty items and quoting.
TEST(ReadItems, SplitsAsTheFilesAreWritten) {
    const std::pair<std::string, Items> cases[] = {
        {"a,b\r\nc\nd\re", {"a", "b", "c", "d", "e"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR is two line ends
        {"  \tx y \r\n 47000 \r\n", {"x y ", "47000 "}},  // leading blanks skipped, trailing kept
        {"   \r\n", {""}},
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n\r\n\r\n", {"", "", ""}},
        {"a,", {"a", ""}},  // a comma always opens another item
        {"a,\r\n", {"a", ""}},
        {"\"a,b\" tail,c", {"a,b", "c"}},  // text after the closing quote is ignored
        {"  \" lead\"\r\n", {" lead"}},
        {"\"two\r\nlines\"\r\nx", {"two", "lines\"", "x"}},  // a quote ends at its line's end
        {"\"say \"\"hi\"\"\"\r\n", {"say \"hi\""}},
        {"\"\"\r\nb", {"", "b"}},
        {"\"open, never closed\r\nx\r\ny", {"open, never closed", "x", "y"}},
        {"ab\"c\",d", {"ab\"c\"", "d"}},  // a quote inside plain text is text
    };
    for (const auto& [text, items] : cases) EXPECT_EQ(readItems(text), items) << "[" << text << "]";
}

// Guards quoting text that needs none (the files stay readable as before).
TEST(QuoteItem, LeavesPlainTextAlone) {
    for (const std::string s : {"Brisko", "Enjoy!", "47000", "trailing ", "in side", ""}) EXPECT_EQ(quoteItem(s), s);
}

// Guards names with commas, quotes, blanks or line ends not reading back as written.
TEST(QuoteItem, EveryStringReadsBackAsOneItem) {
    const std::vector<std::string> tricky = {
        "a,b",        "  lead",       "\tlead",        "\"quoted\"",    "say \"hi\"",
        "\"",         "\"\"",         "x\r\ny",        "cr\ronly",      "lf\nonly",
        "end,",       ",",            " ",             "a\"\"b",        std::string("nul\0in", 7),
        "\xff\xfe\xc3\x28", "mid\"dle, \"both\" ",
    };
    for (std::string s : tricky) {
        const std::string line = quoteItem(s);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "one value a line";
        std::replace_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        EXPECT_EQ(readItems(line + "\r\n"), Items{s}) << "written as [" << line << "]";
        EXPECT_EQ(readItems(line + "," + line), (Items{s, s}));
        EXPECT_EQ(readItems(line + "\r\n" + line + "\r\n"), (Items{s, s})) << "one item a line";
    }
}

// Guards a huge or endless file costing more than the items a reader needs.
TEST(ReadItems, StopsAfterTheItemsNeededAndCutsHugeValues) {
    const std::string huge(3 * kMaxItemBytes, 'N');
    const std::string euro = "\xe2\x82\xac";  // three bytes
    std::string cutInside(kMaxItemBytes - 1, 'e');
    cutInside += euro;
    const auto items = readItems(huge + "\r\n\"" + huge + "\"\r\n" + cutInside + ",x,y,z", {4, kMaxItemBytes});
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], huge.substr(0, kMaxItemBytes));
    EXPECT_EQ(items[1], huge.substr(0, kMaxItemBytes));
    EXPECT_EQ(items[2], std::string(kMaxItemBytes - 1, 'e')) << "a character is not cut in half";
    EXPECT_EQ(items[3], "x");
    TextSource more("a,b,c"), exact("a,b\r\n");
    EXPECT_TRUE(readItems(more, {2, kMaxItemBytes}).moreItems);
    EXPECT_FALSE(readItems(exact, {2, kMaxItemBytes}).moreItems);
}

// Guards the number forms the files hold, and text (or a number out of range) passing as a number.
TEST(ToNumber, AcceptsNumbersAsTheFilesHoldThemAndNothingElse) {
    const std::pair<const char*, double> numbers[] = {
        {"47000", 47000}, {" 47000 ", 47000}, {"47000 ", 47000}, {"-5", -5},     {"+3", 3},       {"2.5", 2.5},
        {".5", 0.5},      {"5.", 5},          {"1E+15", 1e15},   {"1.2e16", 1.2e16}, {"1D2", 100}, {"1e-999", 0},
    };
    for (auto [s, v] : numbers) EXPECT_EQ(toNumber(s), v) << "[" << s << "]";
    for (const char* s : {"", " ", "abc", "12abc", "1 2", "1e", "e5", ".", "-", "inf", "nan",
                          "0x10", "1,5", "--1", "+-1", "1e999", "\"5\""})
        EXPECT_FALSE(toNumber(s).has_value()) << "[" << s << "]";
    EXPECT_FALSE(toNumber(std::string("5\0", 2)).has_value());
    EXPECT_EQ(toNumberOr0("12abc"), 0.0);
    EXPECT_EQ(toNumberOr0(" 9 "), 9.0);
}
