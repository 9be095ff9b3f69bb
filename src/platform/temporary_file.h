#pragma once

#include <string>

#include "platform/result.h"

namespace tessaro {

// A new file that the atomic writer fills before it renames it into place.
// Its name is hidden and of fixed length, whatever the name it will replace,
// and it is created with O_EXCL, so it is a new regular file of this process
// and never a link someone else planted; it is written only through the
// descriptor that created it. While it exists it is listed process-wide, so
// that a stop signal can remove it (removeTemporaryFiles).
class TemporaryFile {
public:
    // Creates the file in the folder open as `folder`, with mode 0666 less the
    // umask, as a file written directly would get. `folder` must stay open
    // while the file exists.
    [[nodiscard]] static Result<TemporaryFile> createIn(int folder);

    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile& operator=(TemporaryFile&&) = delete;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    // Closes the file and removes it unless it was renamed.
    ~TemporaryFile();

    int descriptor() const { return descriptor_; }

    // Closes the descriptor; a failed close (data the system could not
    // write) is a failure like a failed write.
    [[nodiscard]] Result<void> close();

    // Renames the file over `name` in its folder; from then on it is no
    // longer temporary.
    [[nodiscard]] Result<void> renameTo(const std::string& name);

private:
    TemporaryFile(int entry, int descriptor) : entry_(entry), descriptor_(descriptor) {}

    int entry_ = -1;  // its place in the process-wide list; -1 once it is no longer listed
    int descriptor_ = -1;
};

// Removes every temporary file that is being written, and lets no further
// one be created, so that no save can start after it. Safe to call in a
// signal handler; a save under way then fails.
void removeTemporaryFiles();

}  // namespace tessaro
