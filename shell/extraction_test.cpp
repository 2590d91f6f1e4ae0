#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "meta/TextFile.h"
#include "shell/Extraction.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

// Guards the bytes written (binary, unchanged), an existing file kept unless overwriting, a medium
// the build lacks leaving the file alone, a missing folder reported, and the notice naming the folder.
TEST(Extraction, ResToFileWritesTheBytesUnchanged) {
    struct OneMedium : ResourceSource {
        std::optional<std::string> LoadResData(int id) const override {
            return id == 119 ? std::optional(std::string("RIFF\0\r\n\x80", 8)) : std::nullopt;
        }
    } media;
    const test::ScratchFolder dir("vrh_restofile");
    const auto file = dir / "ts.wav";
    const std::tuple<bool, int, bool, ResToFileResult, std::string> steps[] = {
        // an old file first?
        {false, 119, false, ResToFileResult::Written, *media.LoadResData(119)},
        {true, 119, false, ResToFileResult::AlreadyExists, "old"},
        {false, 119, true, ResToFileResult::Written, *media.LoadResData(119)},
        {true, 101, true, ResToFileResult::NoResource, "old"},
    };
    for (const auto& [old, id, overwrite, result, bytes] : steps) {
        if (old) std::ofstream(file, std::ios::binary) << "old";
        EXPECT_EQ(ResToFile(file, id, media, overwrite), result) << id << " " << overwrite;
        EXPECT_EQ(readTextFile(file), bytes);
    }
    EXPECT_EQ(ResToFile(dir / "missing" / "x.wav", 119, media, true), ResToFileResult::WriteFailed);
    EXPECT_NE(unwritableFolderNotice("/opt/games/varnholt").find("\"/opt/games/varnholt\""),
              std::string::npos);
}
