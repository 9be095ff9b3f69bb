#pragma once

#include <FreeImage.h>

#include <cstdint>

#include "engine/image.h"
#include "support/icon_writer.h"

namespace tessaro::test {

// Small bitmaps built in memory for engine tests, in the colours of the icon
// writer. Coordinates are FreeImage's: row 0 is the bottom row.

inline Rgba grey(uint8_t level) {
    return {level, level, level};
}

inline RGBQUAD toQuad(Rgba color) {
    RGBQUAD quad{};
    quad.rgbRed = color.red;
    quad.rgbGreen = color.green;
    quad.rgbBlue = color.blue;
    quad.rgbReserved = color.alpha;
    return quad;
}

// A true-colour bitmap (24 or 32 bits) filled with one colour; with 32 bits the
// colour's reserved byte is the alpha.
inline Image makeBitmap(int width, int height, unsigned depth, Rgba color) {
    Image image(FreeImage_Allocate(width, height, static_cast<int>(depth)));
    RGBQUAD fill = toQuad(color);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            FreeImage_SetPixelColor(image.get(), x, y, &fill);
        }
    }
    return image;
}

// The same picture at another depth: 1, 4 and 8 bits give palette or grey
// bitmaps, 16 bits RGB565.
inline Image atDepth(const Image& image, unsigned depth) {
    switch (depth) {
        case 1:
            return Image(FreeImage_Threshold(image.get(), 128));
        case 4:
            return Image(FreeImage_ConvertTo4Bits(image.get()));
        case 8:
            return Image(FreeImage_ConvertTo8Bits(image.get()));
        case 16:
            return Image(FreeImage_ConvertTo16Bits565(image.get()));
        case 24:
            return Image(FreeImage_ConvertTo24Bits(image.get()));
        default:
            return Image(FreeImage_ConvertTo32Bits(image.get()));
    }
}

inline void setPixel(const Image& image, int x, int y, Rgba color) {
    RGBQUAD quad = toQuad(color);
    FreeImage_SetPixelColor(image.get(), x, y, &quad);
}

// The colour at (x, y) at any depth; palette pixels are looked up.
inline Rgba pixelAt(const Image& image, int x, int y) {
    const unsigned depth = FreeImage_GetBPP(image.get());
    RGBQUAD quad{};
    if (depth <= 8) {
        BYTE index = 0;
        FreeImage_GetPixelIndex(image.get(), x, y, &index);
        quad = FreeImage_GetPalette(image.get())[index];
    } else {
        FreeImage_GetPixelColor(image.get(), x, y, &quad);
    }
    return {quad.rgbRed, quad.rgbGreen, quad.rgbBlue,
            depth == 32 ? quad.rgbReserved : static_cast<uint8_t>(255)};
}

// Within `tolerance` per channel, for pixels that went through a filter.
inline bool isNear(Rgba left, Rgba right, int tolerance) {
    auto near = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    return near(left.red, right.red) && near(left.green, right.green) &&
           near(left.blue, right.blue) && near(left.alpha, right.alpha);
}

}  // namespace tessaro::test
