#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace tessaro {

namespace {

constexpr mode_t othersAccess = S_IRWXG | S_IRWXO;
constexpr mode_t othersWrite = S_IWGRP | S_IWOTH;

std::string_view environmentText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

Failure cannotUse(std::string_view what, const std::filesystem::path& path, std::string_view why) {
    return Failure{"Cannot use the lock " + std::string(what) + " " + path.string() + ": " +
                   std::string(why)};
}

// Why opening `name` in `folder` with O_NOFOLLOW failed: what stands there
// when the system's text would only hint at it.
std::string openFailureReason(int folder, const char* name, int errorNumber) {
    struct stat status {};
    if ((errorNumber == ELOOP || errorNumber == ENOTDIR) &&
        fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0)
        return S_ISLNK(status.st_mode) ? "a symbolic link" : "not a folder";
    return systemFailure(errorNumber).reason;
}

// The runtime folder when it is usable, nothing otherwise: the private folder
// in the temporary folder stands in for it.
std::optional<LockFolder> openRuntimeFolder(std::string_view runtimeFolder) {
    if (!runtimeFolder.starts_with('/'))
        return std::nullopt;
    const std::filesystem::path path(runtimeFolder);
    UniqueDescriptor descriptor(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status {};
    if (!descriptor || fstat(descriptor.get(), &status) != 0 || status.st_uid != geteuid() ||
        (status.st_mode & othersWrite) != 0 ||
        faccessat(descriptor.get(), ".", W_OK | X_OK, AT_EACCESS) != 0)
        return std::nullopt;
    return LockFolder{std::move(descriptor), path};
}

Result<LockFolder> openPrivateFolder(std::string_view temporaryFolder) {
    const std::filesystem::path parent =
        temporaryFolder.starts_with('/') ? std::filesystem::path(temporaryFolder) : "/tmp";
    const std::filesystem::path path = parent / ("tessaro-" + std::to_string(geteuid()));
    if (mkdir(path.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return cannotUse("folder", path, systemFailure(errno).reason);
    UniqueDescriptor descriptor(
        open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!descriptor)
        return cannotUse("folder", path, openFailureReason(AT_FDCWD, path.c_str(), errno));
    struct stat status {};
    if (fstat(descriptor.get(), &status) != 0)
        return cannotUse("folder", path, systemFailure(errno).reason);
    if (status.st_uid != geteuid())
        return cannotUse("folder", path, "owned by another user");
    if ((status.st_mode & othersAccess) != 0)
        return cannotUse("folder", path, "open to other users");
    return LockFolder{std::move(descriptor), path};
}

}  // namespace

Result<LockFolder> openLockFolder(std::string_view runtimeFolder,
                                  std::string_view temporaryFolder) {
    if (std::optional<LockFolder> folder = openRuntimeFolder(runtimeFolder))
        return std::move(*folder);
    return openPrivateFolder(temporaryFolder);
}

Result<LockAttempt> acquireLockFile(const LockFolder& folder, std::string_view fileName) {
    const std::string name(fileName);
    const std::filesystem::path path = folder.path / name;
    UniqueDescriptor descriptor(openat(folder.descriptor.get(), name.c_str(),
                                       O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                                       S_IRUSR | S_IWUSR));
    if (!descriptor)
        return cannotUse("file", path,
                         openFailureReason(folder.descriptor.get(), name.c_str(), errno));
    struct stat status {};
    if (fstat(descriptor.get(), &status) != 0)
        return cannotUse("file", path, systemFailure(errno).reason);
    if (!S_ISREG(status.st_mode))
        return cannotUse("file", path, "not a regular file");
    if (status.st_uid != geteuid())
        return cannotUse("file", path, "owned by another user");
    while (flock(descriptor.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return HeldByAnotherCopy{};
        if (errno != EINTR)
            return cannotUse("file", path, systemFailure(errno).reason);
    }
    return SingleInstanceLock(std::move(descriptor));
}

Result<LockAttempt> acquireSingleInstanceLock(std::string_view productTitle) {
    Result<LockFolder> folder =
        openLockFolder(environmentText("XDG_RUNTIME_DIR"), environmentText("TMPDIR"));
    if (!folder)
        return folder.failure();
    return acquireLockFile(*folder, std::string(productTitle) + ".lock");
}

}  // namespace tessaro
