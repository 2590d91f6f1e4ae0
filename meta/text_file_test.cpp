#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

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
    ASSERT_TRUE(writeTextFileAtomic(dir / "empty.txt", ""));
    EXPECT_EQ(readTextFile(dir / "empty.txt"), "");
}

TEST_F(TextFileTest, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    ASSERT_TRUE(writeTextFileAtomic(dir / "f.txt", "old contents\r\n"));
    setWriteFaultForTesting([](const fs::path&) { return true; });  // a full disk
    EXPECT_FALSE(writeTextFileAtomic(dir / "f.txt", "new"));
    setWriteFaultForTesting(nullptr);
    EXPECT_EQ(readTextFile(dir / "f.txt"), "old contents\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Guards writes that follow a link out of the folder, or replace what the game cannot read.
TEST_F(TextFileTest, WhatStandsInTheFilesPlaceIsNeitherReadNorReplaced) {
    const test::ScratchFolder outside("vrh_outside");
    std::ofstream(outside / "victim") << "not the game's";
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> plant;
        bool applies;
    };
    const Case cases[] = {
        {"folder", [](const fs::path& p) { fs::create_directories(p / "inside"); }, true},
        {"link", [&](const fs::path& p) { fs::create_symlink(outside / "victim", p); }, true},
        {"dangling link", [&](const fs::path& p) { fs::create_symlink(outside / "none", p); }, true},
        {"pipe", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, true},
        {"unreadable file", [](const fs::path& p) { std::ofstream(p) << "x"; fs::permissions(p, fs::perms::none); }, !root},
        {"another user's file", [](const fs::path& p) { std::ofstream(p) << "x"; (void)::chown(p.c_str(), 65534, 65534); }, root},
    };
    for (const Case& c : cases) {
        if (!c.applies) continue;
        const fs::path file = dir / c.what;
        c.plant(file);
        const auto before = fs::symlink_status(file).type();
        EXPECT_EQ(readFileItems(file, {}).status, FileStatus::Refused) << c.what;
        EXPECT_TRUE(refusalReason(file)) << c.what;
        EXPECT_FALSE(writeTextFileAtomic(file, "game data")) << c.what;
        EXPECT_EQ(fs::symlink_status(file).type(), before) << c.what;
    }
    EXPECT_EQ(readTextFile(outside / "victim"), "not the game's");
    EXPECT_FALSE(fs::exists(outside / "none"));
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_NE(e.path().filename().string().front(), '.') << "temporary file left behind: " << e.path();
}

// Guards the temporary file being opened through a link planted under a name the game uses.
TEST_F(TextFileTest, ALinkPlantedAtTheOldTemporaryNameIsNotFollowed) {
    const test::ScratchFolder outside("vrh_outside");
    std::ofstream(outside / "victim") << "not the game's";
    fs::create_symlink(outside / "victim", dir / "f.txt.tmp");
    ASSERT_TRUE(writeTextFileAtomic(dir / "f.txt", "game data"));
    EXPECT_EQ(readTextFile(dir / "f.txt"), "game data");
    EXPECT_EQ(readTextFile(outside / "victim"), "not the game's");
}

TEST_F(TextFileTest, MissingFileAndMissingFolderReadAsMissing) {
    EXPECT_EQ(readFileItems(dir / "nope.txt", {}).status, FileStatus::Missing);
    EXPECT_EQ(readFileItems(dir / "no" / "such.txt", {}).status, FileStatus::Missing);
    EXPECT_FALSE(writeTextFileAtomic(dir / "no" / "such" / "f.txt", "x"));
}
