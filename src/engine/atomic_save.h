#pragma once

#include <FreeImage.h>

#include <cstdint>
#include <string>

#include "platform/result.h"

namespace tessaro {

// Encodes the image in format `fif` with `flags` in memory and replaces the
// file at `path` with it through replaceFileAtomically: a save that fails,
// for whatever reason, leaves an existing file at `path` as it was and no
// temporary file behind, and says why.
[[nodiscard]] Result<void> saveImageAtomically(FIBITMAP* image, int32_t fif,
                                               const std::string& path, int32_t flags);

}  // namespace tessaro
