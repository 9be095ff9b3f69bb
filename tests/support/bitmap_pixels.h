#pragma once

#include <FreeImage.h>

#include <cstdint>

#include "engine/image.h"

namespace tessaro::test {

inline constexpr RGBQUAD rgb(BYTE red, BYTE green, BYTE blue, BYTE alpha = 255) {
    return RGBQUAD{blue, green, red, alpha};
}

// A width x height bitmap of `bitsPerPixel` (24 or 32) filled with `colour`;
// for 32 bits the reserved byte is the alpha.
inline Image solidBitmap(int32_t width, int32_t height, unsigned bitsPerPixel, RGBQUAD color) {
    Image image(FreeImage_Allocate(width, height, static_cast<int>(bitsPerPixel), FI_RGBA_RED_MASK,
                                   FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
    if (image) {
        FreeImage_FillBackground(image.get(), &color,
                                 bitsPerPixel == 32 ? FI_COLOR_IS_RGBA_COLOR : 0);
    }
    return image;
}

// The pixel at (x, y) counted from the top-left corner as the picture is seen.
inline RGBQUAD pixelAt(const Image& image, int32_t x, int32_t y) {
    RGBQUAD color{};
    const auto height = static_cast<int32_t>(FreeImage_GetHeight(image.get()));
    FreeImage_GetPixelColor(image.get(), static_cast<unsigned>(x),
                            static_cast<unsigned>(height - 1 - y), &color);
    return color;
}

inline bool sameColor(RGBQUAD a, RGBQUAD b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

}  // namespace tessaro::test
