#include <algorithm>

#include "engine/watermark_overlays.h"

namespace tessaro {
namespace {

Image loadPicture(const std::string& path) {
    if (path.empty()) {
        return nullptr;
    }
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) {
        format = FreeImage_GetFIFFromFilename(path.c_str());
    }
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        return nullptr;
    }
    return Image(FreeImage_Load(format, path.c_str(), 0));
}

}  // namespace

Image buildPictureOverlay(const WatermarkSettings& watermark) {
    Image picture = loadPicture(watermark.image);
    if (!picture) {
        return nullptr;
    }
    // Every depth becomes straight-alpha BGRA; a picture without alpha comes
    // out opaque, so the opacity then stands alone.
    Image overlay(FreeImage_ConvertTo32Bits(picture.get()));
    if (!overlay) {
        return nullptr;
    }
    const unsigned opacity = static_cast<unsigned>(std::clamp(watermark.imageOpacity, 0, 255));
    const bool greyscale = watermark.imageGreyscale != 0;
    const unsigned width = FreeImage_GetWidth(overlay.get());
    const unsigned height = FreeImage_GetHeight(overlay.get());
    for (unsigned y = 0; y < height; ++y) {
        BYTE* pixel = FreeImage_GetScanLine(overlay.get(), static_cast<int>(y));
        for (unsigned x = 0; x < width; ++x, pixel += 4) {
            if (greyscale) {
                const auto grey =
                    static_cast<BYTE>((77 * pixel[FI_RGBA_RED] + 150 * pixel[FI_RGBA_GREEN] +
                                       29 * pixel[FI_RGBA_BLUE]) /
                                      256);
                pixel[FI_RGBA_RED] = pixel[FI_RGBA_GREEN] = pixel[FI_RGBA_BLUE] = grey;
            }
            pixel[FI_RGBA_ALPHA] = static_cast<BYTE>(pixel[FI_RGBA_ALPHA] * opacity / 255);
        }
    }
    return overlay;
}

}  // namespace tessaro
