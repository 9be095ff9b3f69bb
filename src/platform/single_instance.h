#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

namespace tessaro {

// Holds the lock that lets only one copy of the program run. The lock is an
// flock on a file, so the kernel drops it when the process ends, however it
// ends: a crashed copy never leaves a stale lock behind.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(int descriptor) : descriptor_(descriptor) {}
    SingleInstanceLock(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock& operator=(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock();

private:
    int descriptor_ = -1;
};

struct LockRefusal {
    enum class Reason {
        heldByAnotherCopy,  // another copy of this version runs
        cannotOpen,         // the lock file could not be created or locked
    };
    Reason reason = Reason::heldByAnotherCopy;
    std::string cause;  // the system's text for cannotOpen
};

using LockAttempt = std::variant<SingleInstanceLock, LockRefusal>;

// The lock file of a product title with version ("Brimvale ICO to JPG 2.7"),
// so that different versions may run side by side: in $XDG_RUNTIME_DIR when it
// is set, else in /tmp.
std::filesystem::path singleInstanceLockPath(std::string_view productTitle);

// Takes the lock at `lockPath` without waiting.
LockAttempt acquireSingleInstanceLock(const std::filesystem::path& lockPath);

}  // namespace tessaro
