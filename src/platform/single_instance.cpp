#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace tessaro {

SingleInstanceLock::SingleInstanceLock(SingleInstanceLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

SingleInstanceLock& SingleInstanceLock::operator=(SingleInstanceLock&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0)
            close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (descriptor_ >= 0)
        close(descriptor_);
}

std::filesystem::path singleInstanceLockPath(std::string_view productTitle) {
    const char* runtimeFolder = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path folder =
        runtimeFolder != nullptr && runtimeFolder[0] != '\0' ? runtimeFolder : "/tmp";
    return folder / (std::string(productTitle) + ".lock");
}

LockAttempt acquireSingleInstanceLock(const std::filesystem::path& lockPath) {
    // Read-only is enough for flock and still works on a lock file that another
    // user created in a shared folder such as /tmp.
    int descriptor = open(lockPath.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0)
        descriptor = open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return LockRefusal{LockRefusal::Reason::cannotOpen, std::strerror(errno)};
    SingleInstanceLock lock(descriptor);
    while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK)
            return LockRefusal{LockRefusal::Reason::heldByAnotherCopy, {}};
        return LockRefusal{LockRefusal::Reason::cannotOpen, std::strerror(errno)};
    }
    return lock;
}

}  // namespace tessaro
