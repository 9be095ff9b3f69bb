#include "platform/atomic_write.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace tessaro {
namespace {

// Owns the temporary file until it is renamed into place: an abandoned one is
// closed and removed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : name_(target + ".XXXXXX") {
        descriptor_ = mkstemp(name_.data());
        created_ = descriptor_ >= 0;
    }
    ~TemporaryFile() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
        if (created_ && !committed_) {
            unlink(name_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }

    bool write(std::string_view bytes) {
        while (!bytes.empty()) {
            ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    // Flushes and closes the file, then renames it over `target`.
    bool commit(const std::string& target) {
        bool flushed = fsync(descriptor_) == 0;
        bool closed = close(descriptor_) == 0;
        descriptor_ = -1;
        if (!flushed || !closed || std::rename(name_.c_str(), target.c_str()) != 0) {
            return false;
        }
        committed_ = true;
        return true;
    }

    void copyModeFrom(const std::string& target) {
        struct stat existing {};
        if (stat(target.c_str(), &existing) == 0) {
            fchmod(descriptor_, existing.st_mode & 07777);
        }
    }

private:
    std::string name_;
    int descriptor_ = -1;
    bool created_ = false;
    bool committed_ = false;
};

}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return false;
    }
    TemporaryFile temporary(path);
    if (!temporary.isOpen()) {
        return false;
    }
    // A replaced file keeps its permissions; a new one stays private to the
    // user, as mkstemp creates it.
    temporary.copyModeFrom(path);
    return temporary.write(bytes) && temporary.commit(path);
}

}  // namespace tessaro
