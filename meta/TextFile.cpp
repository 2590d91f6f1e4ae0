#include "meta/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrh {

namespace {

std::function<bool(const std::filesystem::path&)>& writeFault() {
    static std::function<bool(const std::filesystem::path&)> fails;
    return fails;
}

// What stands at a path that exists, when the game must leave it alone.
std::optional<std::string> problemWith(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return "is a folder";
    if (S_ISLNK(st.st_mode)) return "is a link";
    if (!S_ISREG(st.st_mode)) return "is not a plain file";
    if (st.st_uid != ::geteuid()) return "belongs to another user";
    return std::nullopt;
}

class FdSource : public ByteSource {
public:
    explicit FdSource(int fd) : fd_(fd) {}
    size_t read(char* into, size_t max) override {
        for (;;) {
            const ssize_t n = ::read(fd_, into, max);
            if (n >= 0) return size_t(n);
            if (errno == EINTR) continue;
            failed = true;
            return 0;
        }
    }
    bool failed = false;

private:
    int fd_;
};

struct OpenedForReading {
    int fd = -1;
    FileStatus status = FileStatus::Missing;
    std::string problem;
};

// O_NONBLOCK: a pipe planted in the file's place must not hang the game.
OpenedForReading openForReading(const std::filesystem::path& file) {
    OpenedForReading out;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return out;  // no such file (or folder)
        out.status = FileStatus::Refused;
        out.problem = errno == ELOOP    ? "is a link"
                      : errno == EACCES ? "cannot be read (no permission)"
                                        : std::string("cannot be opened (") + std::strerror(errno) + ")";
        return out;
    }
    struct stat st {};
    const auto problem =
        ::fstat(fd, &st) == 0 ? problemWith(st) : std::optional<std::string>("cannot be examined");
    if (problem) {
        ::close(fd);
        out.status = FileStatus::Refused;
        out.problem = *problem;
        return out;
    }
    out.fd = fd;
    out.status = FileStatus::Readable;
    return out;
}

bool writeAll(int fd, std::string_view text) {
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= size_t(n);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be opened is no error.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileItems readFileItems(const std::filesystem::path& file, const ItemLimits& limits) {
    FileItems out;
    const OpenedForReading opened = openForReading(file);
    out.status = opened.status;
    out.problem = opened.problem;
    if (opened.fd < 0) return out;
    FdSource source(opened.fd);
    out.read = readItems(source, limits);
    ::close(opened.fd);
    if (source.failed) {
        out = FileItems{FileStatus::Refused, "cannot be read (a read error)", {}};
    }
    return out;
}

std::optional<std::string> readTextFile(const std::filesystem::path& file) {
    const OpenedForReading opened = openForReading(file);
    if (opened.fd < 0) return std::nullopt;
    std::string text;
    char block[1 << 16];
    ssize_t n = 0;
    while (text.size() < kMaxTextFileBytes && (n = ::read(opened.fd, block, sizeof block)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        text.append(block, size_t(n));
    }
    ::close(opened.fd);
    if (n < 0) return std::nullopt;
    return text;
}

std::optional<std::string> refusalReason(const std::filesystem::path& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) return std::nullopt;  // nothing there (or no way to tell)
    if (auto problem = problemWith(st)) return problem;
    // Replacing a file the player cannot read would lose what it holds unseen.
    if (::access(file.c_str(), R_OK) != 0) return "cannot be read (no permission)";
    return std::nullopt;
}

bool writeTextFileAtomic(const std::filesystem::path& file, std::string_view text) {
    if (refusalReason(file)) return false;
    const std::filesystem::path folder = file.parent_path();
    // mkostemp creates the name exclusively (O_CREAT | O_EXCL): a link or file
    // planted under that name is never opened, and two copies of the game
    // never share a temporary file.
    std::string tmp = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, 0644) == 0;
    if (ok && writeFault() && writeFault()(file)) {
        errno = ENOSPC;
        ok = false;
    }
    ok = ok && writeAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    // The target is checked again just before the rename: whatever took its
    // place meanwhile is not replaced either.
    if (ok) ok = !refusalReason(file) && std::rename(tmp.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

namespace {
constexpr size_t kUniqueSuffix = 7;  // "." and the six characters mkostemp picks

bool isTemporaryName(const std::string& name) {
    if (name.size() < 2 + kUniqueSuffix || name.front() != '.') return false;
    return name[name.size() - kUniqueSuffix] == '.';
}
}  // namespace

void removeLeftoverTemporaryFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Only plain files of this user: refusalReason rules out links, folders, others' files.
        if (isTemporaryName(name) && !refusalReason(it->path())) ::unlink(it->path().c_str());
    }
}

void setWriteFaultForTesting(std::function<bool(const std::filesystem::path&)> fails) {
    writeFault() = std::move(fails);
}

}  // namespace vrh
