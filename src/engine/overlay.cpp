#include "engine/overlay.h"

namespace tessaro {

Canvas createCanvas(const TessaroDrawingApi& api, int32_t width, int32_t height) {
    return Canvas(api.createCanvas(width, height), CanvasDestroyer{&api});
}

TessaroColor drawingColor(RGBQUAD color) {
    return {color.rgbRed, color.rgbGreen, color.rgbBlue, color.rgbReserved};
}

Image canvasToBitmap(const TessaroDrawingApi& api, const TessaroCanvas& canvas, int32_t width,
                     int32_t height) {
    Image bitmap(FreeImage_Allocate(width, height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                    FI_RGBA_BLUE_MASK));
    if (!bitmap) {
        return bitmap;
    }
    // FreeImage keeps its rows bottom-up: the canvas's top row is the last.
    BYTE* topRow = FreeImage_GetScanLine(bitmap.get(), height - 1);
    const auto pitch = static_cast<ptrdiff_t>(FreeImage_GetPitch(bitmap.get()));
    api.copyPixels(&canvas, topRow, -pitch);
    return bitmap;
}

Image toTwentyFourBits(Image image) {
    if (!image || (FreeImage_GetImageType(image.get()) == FIT_BITMAP &&
                   FreeImage_GetBPP(image.get()) == 24)) {
        return image;
    }
    return Image(FreeImage_ConvertTo24Bits(image.get()));
}

Image compositeOverlay(const FIBITMAP& overlay, Image page) {
    auto* foreground = const_cast<FIBITMAP*>(&overlay);
    if (!page || FreeImage_GetBPP(foreground) != 32 || FreeImage_GetBPP(page.get()) != 24 ||
        FreeImage_GetWidth(foreground) != FreeImage_GetWidth(page.get()) ||
        FreeImage_GetHeight(foreground) != FreeImage_GetHeight(page.get())) {
        return nullptr;
    }
    // FreeImage's own compositing divides by 256, which darkens every blended
    // pixel by a level (white over white comes out 254); the exact weights keep
    // an invisible overlay invisible.
    const unsigned width = FreeImage_GetWidth(page.get());
    const unsigned height = FreeImage_GetHeight(page.get());
    for (unsigned y = 0; y < height; ++y) {
        const BYTE* source = FreeImage_GetScanLine(foreground, static_cast<int>(y));
        BYTE* target = FreeImage_GetScanLine(page.get(), static_cast<int>(y));
        for (unsigned x = 0; x < width; ++x, source += 4, target += 3) {
            const unsigned alpha = source[FI_RGBA_ALPHA];
            for (int channel : {FI_RGBA_BLUE, FI_RGBA_GREEN, FI_RGBA_RED}) {
                target[channel] = static_cast<BYTE>(
                    (source[channel] * alpha + target[channel] * (255 - alpha) + 127) / 255);
            }
        }
    }
    return page;
}

}  // namespace tessaro
