#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "meta/FlagFile.h"
#include "meta/ItemReader.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

TEST(FlagFile, CountsFieldsThatAreExactlyYes) {
    EXPECT_EQ(countYesFields("Yes\r\n"), 1);
    EXPECT_EQ(countYesFields("Yes"), 1);
    EXPECT_EQ(countYesFields("Yes\r\nYes\r\n"), 2) << "two lines extract twice";
    EXPECT_EQ(countYesFields("\"Yes\"\r\n"), 1) << "surrounding quotes removed";
    EXPECT_EQ(countYesFields("No,Yes\r\n"), 1);
    EXPECT_EQ(countYesFields("No\r\n"), 0);
    EXPECT_EQ(countYesFields("yes\r\n"), 0) << "case-sensitive";
    EXPECT_EQ(countYesFields("YES\r\n"), 0);
    EXPECT_EQ(countYesFields("Yess\r\n"), 0);
    EXPECT_EQ(countYesFields(""), 0);
}

TEST(FlagFile, MissingFileIsADistinctResult) {
    const test::ScratchFolder dir("vrh_flag_test");
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).status, FileStatus::Missing);
    EXPECT_EQ(readFlagFile(dir.path()).status, FileStatus::Refused) << "a folder is not the flag file";
    {
        std::ofstream(dir / kFlagFileName, std::ios::binary) << "Yes\r\n";
    }
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).yes, 1);
    {
        std::ofstream(dir / kFlagFileName, std::ios::binary) << kFlagFileDone;
    }
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).yes, 0) << "after extraction the file says No";
    {
        std::ofstream big(dir / kFlagFileName, std::ios::binary);
        for (int i = 0; i < 100000; ++i) big << "Yes\r\n";
    }
    EXPECT_EQ(readFlagFile(dir / kFlagFileName).yes, 8) << "a pass per Yes, up to eight";
}
