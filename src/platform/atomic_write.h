#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"

namespace tessaro {

// Replaces the file at `path` with `bytes` in one step, the one way this
// program writes a file: the bytes go through the descriptor of a new
// temporary file in the same folder (see TemporaryFile), every write is
// checked, the file is flushed to the disk and closed, then renamed over
// `path`, and the folder is flushed so that the rename lasts. Until the
// rename nothing at `path` changes: on any failure up to it the old file is
// left byte for byte and the temporary file is removed. A failure to flush
// the folder comes after the rename: the new file is in place, but may not
// survive a crash. A replaced file keeps its permissions; a new one gets
// 0666 less the umask. A symbolic link at `path` is replaced, never followed.
[[nodiscard]] Result<void> replaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tessaro
