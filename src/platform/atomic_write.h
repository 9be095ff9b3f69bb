#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Replaces the file at `path` with `bytes` in one step: the bytes go to a
// temporary file in the same folder, which is renamed over `path` only once
// it is completely written. On failure the old file is left as it was, no
// temporary file remains, and the result is false.
bool replaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tessaro
