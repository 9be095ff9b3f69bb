#pragma once

#include <FreeImage.h>

#include <memory>

namespace tessaro {

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};

// The one owner of a FreeImage bitmap. A chain step takes an Image and returns
// the image to go on with, so replacing a bitmap is a move and never leaks.
// An empty Image is "no image": every step passes it on untouched.
using Image = std::unique_ptr<FIBITMAP, BitmapDeleter>;

struct MemoryStreamDeleter {
    void operator()(FIMEMORY* stream) const { FreeImage_CloseMemory(stream); }
};

// The one owner of a FreeImage memory stream.
using MemoryStream = std::unique_ptr<FIMEMORY, MemoryStreamDeleter>;

}  // namespace tessaro
