#pragma once

#include <filesystem>
#include <string_view>
#include <variant>

#include "platform/result.h"
#include "platform/unique_descriptor.h"

namespace tessaro {

// Holds the lock that lets only one copy of the program run for a user. The
// lock is an flock on a file, so the kernel drops it when the process ends,
// however it ends: a crashed copy never leaves a stale lock behind.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(UniqueDescriptor descriptor) : descriptor_(std::move(descriptor)) {}

private:
    UniqueDescriptor descriptor_;
};

// Another copy of this version, run by the same user, holds the lock.
struct HeldByAnotherCopy {};

using LockAttempt = std::variant<SingleInstanceLock, HeldByAnotherCopy>;

// The user's own folder for lock files, open so that the lock file is opened
// in the folder that was checked, whatever its path names meanwhile.
struct LockFolder {
    UniqueDescriptor descriptor;
    std::filesystem::path path;
};

// The lock folder: `runtimeFolder` when it is usable (an absolute path of an
// existing folder that the user owns and may write, and nobody else may
// write); otherwise the folder "tessaro-<user id>" in `temporaryFolder` (in
// /tmp when that is not an absolute path), created with access for the user
// alone, and used only while it is a real folder that the user owns and that
// gives others no access. The failure says "Cannot use the lock folder
// <path>: " and why.
[[nodiscard]] Result<LockFolder> openLockFolder(std::string_view runtimeFolder,
                                                std::string_view temporaryFolder);

// Takes the lock on the file `fileName` in `folder` without waiting, creating
// the file when it is missing. The file must be a regular file that the user
// owns: a symbolic link is never followed and a FIFO never waited on. The
// failure says "Cannot use the lock file <path>: " and why.
[[nodiscard]] Result<LockAttempt> acquireLockFile(const LockFolder& folder,
                                                  std::string_view fileName);

// Takes the lock of a product title with version ("Brimvale ICO to JPG 2.7"),
// so that different versions may run side by side: the file "<title>.lock" in
// the lock folder of $XDG_RUNTIME_DIR and $TMPDIR.
[[nodiscard]] Result<LockAttempt> acquireSingleInstanceLock(std::string_view productTitle);

}  // namespace tessaro
