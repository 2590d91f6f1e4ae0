#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "meta/TextFile.h"
#include "shell/Extraction.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;
namespace fs = std::filesystem;

namespace {
class OneMedium : public ResourceSource {
public:
    std::optional<std::string> LoadResData(int id) const override {
        if (id != 119) return std::nullopt;
        return std::string("RIFF\0\r\n\x80", 8);  // binary: NUL, CR LF, high byte
    }
};
}  // namespace

TEST(Extraction, ResToFileWritesTheBytesUnchanged) {
    const test::ScratchFolder dir("vrh_restofile");
    const fs::path f = dir / "ts.wav";
    const OneMedium media;
    const auto read = [&] { return readTextFile(f).value_or("<missing>"); };

    EXPECT_EQ(ResToFile(f, 119, media), ResToFileResult::Written);
    EXPECT_EQ(read(), *media.LoadResData(119));

    std::ofstream(f, std::ios::binary) << "old";
    EXPECT_EQ(ResToFile(f, 119, media), ResToFileResult::AlreadyExists) << "run-time error 58";
    EXPECT_EQ(read(), "old");
    EXPECT_EQ(ResToFile(f, 119, media, true), ResToFileResult::Written);
    EXPECT_EQ(read(), *media.LoadResData(119));

    std::ofstream(f, std::ios::binary) << "old";
    EXPECT_EQ(ResToFile(f, 101, media, true), ResToFileResult::NoResource);
    EXPECT_EQ(read(), "old") << "nothing embedded: the file is left alone";

    EXPECT_EQ(ResToFile(dir / "missing" / "x.wav", 119, media, true), ResToFileResult::WriteFailed);
    fs::remove_all(dir);
}

TEST(Extraction, NoticeNamesTheFolder) {
    EXPECT_NE(unwritableFolderNotice("/opt/games/varnholt").find("/opt/games/varnholt"), std::string::npos);
}
