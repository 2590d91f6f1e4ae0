#pragma once
// A fresh folder for one test, removed again at the end. The name carries the process id and a counter:
// ctest runs test cases as parallel processes, which would delete a fixed name under each other. It
// stays in lower case when the tag is (the sound player lower-cases a path before opening it).
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vrh::test {

class ScratchFolder {
public:
    explicit ScratchFolder(std::string tag = "vrh") {
        static int counter = 0;
        for (char& c : tag)
            if (c == '/') c = '_';
        path_ = std::filesystem::temp_directory_path() /
                (tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string string() const { return path_.string(); }
    operator const std::filesystem::path&() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace vrh::test
