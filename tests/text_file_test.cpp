#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "meta/TextFile.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;

namespace {
class TextFileTest : public ::testing::Test {
protected:
    test::ScratchFolder dir{"vrh_textfile"};
};
}  // namespace

TEST_F(TextFileTest, WritesAndReadsBytesUnchanged) {
    const std::string bytes("a\r\n\0\xff,\"b\"\r\n", 11);
    ASSERT_TRUE(writeTextFileAtomic(dir / "f.txt", bytes));
    EXPECT_EQ(readTextFile(dir / "f.txt"), bytes);
    ASSERT_TRUE(writeTextFileAtomic(dir / "f.txt", "short"));
    EXPECT_EQ(readTextFile(dir / "f.txt"), "short") << "replaced, not overwritten in place";
    EXPECT_FALSE(fs::exists(dir / "f.txt.tmp"));
    ASSERT_TRUE(writeTextFileAtomic(dir / "empty.txt", ""));
    EXPECT_EQ(readTextFile(dir / "empty.txt"), "");
}

TEST_F(TextFileTest, MissingFileReadsAsNone) {
    EXPECT_FALSE(readTextFile(dir / "nope.txt").has_value());
    EXPECT_FALSE(readTextFile(dir).has_value());
}

TEST_F(TextFileTest, FailureBeforeTheRenameLeavesTheOldFileWhole) {
    ASSERT_TRUE(writeTextFileAtomic(dir / "f.txt", "old contents\r\n"));
    // The temporary file cannot be created: a folder is in its way.
    fs::create_directory(dir / "f.txt.tmp");
    EXPECT_FALSE(writeTextFileAtomic(dir / "f.txt", "new"));
    EXPECT_EQ(readTextFile(dir / "f.txt"), "old contents\r\n");
}

TEST_F(TextFileTest, FailedRenameCleansUpTheTemporaryFile) {
    // The target is a folder that is not empty: the rename fails.
    fs::create_directories(dir / "target" / "inside");
    EXPECT_FALSE(writeTextFileAtomic(dir / "target", "new"));
    EXPECT_TRUE(fs::is_directory(dir / "target" / "inside"));
    EXPECT_FALSE(fs::exists(dir / "target.tmp"));
}

TEST_F(TextFileTest, MissingFolderFails) {
    EXPECT_FALSE(writeTextFileAtomic(dir / "no" / "such" / "f.txt", "x"));
}
