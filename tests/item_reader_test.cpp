#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "meta/ItemReader.h"

using namespace vrh;
using Items = std::vector<std::string>;

TEST(ReadItems, CommasAndEveryKindOfLineEndSeparate) {
    EXPECT_EQ(readItems("a,b\r\nc\nd\re"), (Items{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(readItems("a\n\rb"), (Items{"a", "", "b"})) << "LF then CR is two line ends";
}

TEST(ReadItems, LeadingBlanksSkippedTrailingKept) {
    EXPECT_EQ(readItems("  \tx y \r\n 47000 \r\n"), (Items{"x y ", "47000 "}));
    EXPECT_EQ(readItems("   \r\n"), (Items{""}));
}

TEST(ReadItems, EmptyLinesAndTheFinalLineEnd) {
    EXPECT_EQ(readItems(""), Items{});
    EXPECT_EQ(readItems("a"), (Items{"a"}));
    EXPECT_EQ(readItems("a\r\n"), (Items{"a"}));
    EXPECT_EQ(readItems("\r\n"), (Items{""}));
    EXPECT_EQ(readItems("a\r\n\r\nb\r\n"), (Items{"a", "", "b"}));
    EXPECT_EQ(readItems("\r\n\r\n\r\n"), (Items{"", "", ""}));
    EXPECT_EQ(readItems("a,"), (Items{"a", ""})) << "a comma always opens another item";
    EXPECT_EQ(readItems("a,\r\n"), (Items{"a", ""}));
}

TEST(ReadItems, QuotedItems) {
    EXPECT_EQ(readItems("\"a,b\" tail,c"), (Items{"a,b", "c"})) << "text after the quote is ignored";
    EXPECT_EQ(readItems("  \" lead\"\r\n"), (Items{" lead"}));
    EXPECT_EQ(readItems("\"two\r\nlines\"\r\nx"), (Items{"two\r\nlines", "x"}));
    EXPECT_EQ(readItems("\"say \"\"hi\"\"\"\r\n"), (Items{"say \"hi\""}));
    EXPECT_EQ(readItems("\"\"\r\nb"), (Items{"", "b"}));
    EXPECT_EQ(readItems("\"open, never closed\r\nx"), (Items{"open, never closed\r\nx"}));
    EXPECT_EQ(readItems("ab\"c\",d"), (Items{"ab\"c\"", "d"})) << "a quote inside plain text is text";
}

TEST(QuoteItem, LeavesPlainTextAlone) {
    for (const std::string s : {"Brisko", "Enjoy!", "47000", "trailing ", "in side", ""})
        EXPECT_EQ(quoteItem(s), s);
}

TEST(QuoteItem, EveryStringReadsBackAsOneItem) {
    const std::vector<std::string> tricky = {
        "a,b",        "  lead",       "\tlead",        "\"quoted\"",    "say \"hi\"",
        "\"",         "\"\"",         "x\r\ny",        "cr\ronly",      "lf\nonly",
        "end,",       ",",            " ",             "a\"\"b",        std::string("nul\0in", 7),
        "\xff\xfe\xc3\x28", "mid\"dle, \"both\" ",
    };
    for (const std::string& s : tricky) {
        const std::string line = quoteItem(s);
        EXPECT_EQ(readItems(line + "\r\n"), Items{s}) << "written as [" << line << "]";
        EXPECT_EQ(readItems(line + "," + line), (Items{s, s}));
        EXPECT_EQ(readItems(line + "\r\n" + line + "\r\n"), (Items{s, s})) << "one item a line";
    }
}

TEST(ToNumber, AcceptsNumbersAsTheFilesHoldThem) {
    EXPECT_EQ(toNumber("47000"), 47000.0);
    EXPECT_EQ(toNumber(" 47000 "), 47000.0);
    EXPECT_EQ(toNumber("47000 "), 47000.0);
    EXPECT_EQ(toNumber("-5"), -5.0);
    EXPECT_EQ(toNumber("+3"), 3.0);
    EXPECT_EQ(toNumber("2.5"), 2.5);
    EXPECT_EQ(toNumber(".5"), 0.5);
    EXPECT_EQ(toNumber("5."), 5.0);
    EXPECT_EQ(toNumber("1E+15"), 1e15);
    EXPECT_EQ(toNumber("1.2e16"), 1.2e16);
    EXPECT_EQ(toNumber("1D2"), 100.0);
    EXPECT_EQ(toNumber("1e-999"), 0.0);
}

TEST(ToNumber, RejectsEverythingElse) {
    for (const char* s : {"", " ", "abc", "12abc", "1 2", "1e", "e5", ".", "-", "inf", "nan",
                          "0x10", "1,5", "--1", "+-1", "1e999", "\"5\""})
        EXPECT_FALSE(toNumber(s).has_value()) << "[" << s << "]";
    EXPECT_FALSE(toNumber(std::string("5\0", 2)).has_value());
}

TEST(ToNumber, LenientFormRanksTextAsZero) {
    EXPECT_EQ(toNumberOr0("abc"), 0.0);
    EXPECT_EQ(toNumberOr0("12abc"), 0.0);
    EXPECT_EQ(toNumberOr0(""), 0.0);
    EXPECT_EQ(toNumberOr0(" 9 "), 9.0);
}
