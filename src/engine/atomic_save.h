#pragma once

#include <FreeImage.h>

#include <cstdint>
#include <string>

namespace tessaro {

// Saves the image in format `fif` with `flags` to a new temporary file in the
// folder of `path`, then renames it over `path`. A save that fails leaves an
// existing file at `path` untouched and removes the temporary file, so no
// partial output is ever left behind.
bool saveImageAtomically(FIBITMAP* image, int32_t fif, const std::string& path, int32_t flags);

}  // namespace tessaro
