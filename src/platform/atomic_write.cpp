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

// What the new file takes over from the regular file it replaces: its
// permissions and, where the process may give them (the superuser saving a
// user's file), its owner and group.
struct ReplacedFile {
    mode_t permissions = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// The regular file `name` that the new file replaces; none when there is no
// such file. A name the folder cannot hold fails here, before anything is
// written.
Result<std::optional<ReplacedFile>> replacedFile(int folder, const std::string& name) {
    struct stat existing {};
    if (fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return std::optional<ReplacedFile>();
        return systemFailure(errno);
    }
    if (!S_ISREG(existing.st_mode))
        return std::optional<ReplacedFile>();
    return std::optional<ReplacedFile>(
        ReplacedFile{existing.st_mode & 0777, existing.st_uid, existing.st_gid});
}

// Gives the new file the owner and permissions of the one it replaces. Only
// the superuser may give a file away; anyone else's new file stays theirs, as
// with any save that renames a new file into place.
Result<void> takeOver(int descriptor, const ReplacedFile& replaced) {
    if (geteuid() == 0 && fchown(descriptor, replaced.owner, replaced.group) != 0)
        return systemFailure(errno);
    if (fchmod(descriptor, replaced.permissions) != 0)
        return systemFailure(errno);
    return {};
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
    const Result<std::optional<ReplacedFile>> replaced = replacedFile(folder.get(), name);
    if (!replaced)
        return replaced.failure();

    Result<TemporaryFile> temporary = TemporaryFile::createIn(folder.get());
    if (!temporary)
        return temporary.failure();
    const int descriptor = temporary->descriptor();
    if (*replaced) {
        if (Result<void> taken = takeOver(descriptor, **replaced); !taken)
            return taken;
    }
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
