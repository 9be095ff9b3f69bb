#include "platform/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "platform/temporary_file.h"
#include "platform/unique_descriptor.h"

namespace tessaro {

namespace {

// The permissions of the regular file `name` that the new file replaces;
// none when there is no such file. A name the folder cannot hold fails here,
// before anything is written.
Result<std::optional<mode_t>> replacedPermissions(int folder, const std::string& name) {
    struct stat existing {};
    if (fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return std::optional<mode_t>();
        return systemFailure(errno);
    }
    if (!S_ISREG(existing.st_mode))
        return std::optional<mode_t>();
    return std::optional<mode_t>(existing.st_mode & 0777);
}

Result<void> writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return systemFailure(errno);
        // A regular file that takes nothing has no room left.
        if (written == 0)
            return systemFailure(ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

}  // namespace

Result<void> replaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    const std::string name = target.filename().string();
    if (name.empty())
        return systemFailure(EISDIR);
    const std::string folderName = target.has_parent_path() ? target.parent_path().string() : ".";
    const UniqueDescriptor folder(open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return systemFailure(errno);
    const Result<std::optional<mode_t>> permissions = replacedPermissions(folder.get(), name);
    if (!permissions)
        return permissions.failure();

    Result<TemporaryFile> temporary = TemporaryFile::createIn(folder.get());
    if (!temporary)
        return temporary.failure();
    const int descriptor = temporary->descriptor();
    if (*permissions && fchmod(descriptor, **permissions) != 0)
        return systemFailure(errno);
    if (Result<void> written = writeAll(descriptor, bytes); !written)
        return written;
    if (fsync(descriptor) != 0)
        return systemFailure(errno);
    if (Result<void> closed = temporary->close(); !closed)
        return closed;
    if (Result<void> renamed = temporary->renameTo(name); !renamed)
        return renamed;
    if (fsync(folder.get()) != 0)
        return systemFailure(errno);
    return {};
}

}  // namespace tessaro
