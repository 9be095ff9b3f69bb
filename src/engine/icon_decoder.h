#pragma once

#include <FreeImage.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "engine/image.h"

namespace tessaro {

struct MultiBitmapDeleter {
    void operator()(FIMULTIBITMAP* bitmap) const { FreeImage_CloseMultiBitmap(bitmap, 0); }
};

// An icon's pages opened by the decoder over bytes in memory that the caller
// keeps alive. The stream is declared first so that it outlives the pages.
struct IconDecoder {
    MemoryStream stream;
    std::unique_ptr<FIMULTIBITMAP, MultiBitmapDeleter> pages;
};

// Opens the icon with the decoder's load flags (ICO_MAKEALPHA or 0); nullopt
// when the decoder does not take it. Only bytes that passed checkIcon may come here.
[[nodiscard]] std::optional<IconDecoder> openIconDecoder(std::span<const uint8_t> bytes, int flags);

// A copy of one page, decoded once and released from the decoder at once, so
// that the copy is the only picture of the page alive. No image on failure.
Image clonePage(IconDecoder& decoder, int32_t page);

// The page as a standard bitmap, the only kind every step of the chain takes.
// PNG pages of 16 bits per channel decode as 16-bit grey, 48-bit RGB or
// 64-bit RGBA images; they become 8-bit grey, 24 and 32 bits (alpha kept).
// Any other page comes back as it is; no image when the conversion fails.
Image toStandardBitmap(Image page);

}  // namespace tessaro
