#pragma once
// A fresh folder for one test, removed at the end. The process id and a counter in the name keep
// parallel ctest processes apart; it stays lower case when the tag is (the sound player lower-cases paths).
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace vrh::test {

class ScratchFolder {
public:
    explicit ScratchFolder(std::string tag = "vrh") {
        static int counter = 0;
        std::replace(tag.begin(), tag.end(), '/', '_');
        path_ = std::filesystem::temp_directory_path() /
                (tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_, ec_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string string() const { return path_.string(); }
    operator const std::filesystem::path&() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    std::error_code ec_;
};

}  // namespace vrh::test
