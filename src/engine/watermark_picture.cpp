#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/watermark_overlays.h"
#include "platform/regular_file.h"

namespace tessaro {
namespace {

Image loadPicture(const std::string& path) {
    if (path.empty()) {
        return nullptr;
    }
    Result<std::vector<uint8_t>> bytes = readRegularFile(path, maxWatermarkPictureBytes);
    if (!bytes) {
        return nullptr;
    }
    // FreeImage only reads from a stream it did not allocate.
    const MemoryStream stream(
        FreeImage_OpenMemory(bytes->data(), static_cast<DWORD>(bytes->size())));
    if (!stream) {
        return nullptr;
    }
    FREE_IMAGE_FORMAT format = FreeImage_GetFileTypeFromMemory(stream.get(), 0);
    if (format == FIF_UNKNOWN) {
        format = FreeImage_GetFIFFromFilename(path.c_str());
    }
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        return nullptr;
    }
    return Image(FreeImage_LoadFromMemory(format, stream.get(), 0));
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
