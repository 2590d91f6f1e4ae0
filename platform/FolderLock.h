#pragma once
// Keeps two copies of the game started in one folder from writing its files
// at the same time: the media extraction and each read-change-write of the
// score or save file run while this lock is held. The lock is an flock on
// "varnholt.lock" in the folder; the system lets go of it when a copy ends,
// even when it is killed, so a lock is never left behind.
//
// The second copy waits for the first (up to `wait`). When the lock cannot be
// had at all (a read-only folder, a folder the lock file cannot be created
// in) the work goes on without it: every write is atomic on its own anyway.
#include <chrono>
#include <filesystem>

namespace vrh {

inline constexpr const char* kLockFileName = "varnholt.lock";

class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder,
                        std::chrono::milliseconds wait = std::chrono::seconds(10));
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace vrh
