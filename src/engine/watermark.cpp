#include "engine/watermark.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "engine/overlay.h"
#include "engine/solid_frame.h"
#include "engine/watermark_font.h"
#include "engine/watermark_overlays.h"

namespace tessaro {
namespace {

constexpr int8_t textWatermark = 1;
constexpr int8_t pictureWatermark = 2;

// The placement settings of the text or of the picture.
struct Placement {
    int32_t rotation = 0;
    int32_t xOffset = 0;
    int32_t yOffset = 0;
    int8_t boundary = 0;
    int8_t position = 0;
};

Placement placementOf(const WatermarkSettings& watermark) {
    if (watermark.doWatermark == textWatermark) {
        return {watermark.textRotation, watermark.textXOffset, watermark.textYOffset,
                watermark.textBoundary, watermark.textPosition};
    }
    return {watermark.imageRotation, watermark.imageXOffset, watermark.imageYOffset,
            watermark.imageBoundary, watermark.imagePosition};
}

// The area the watermark is placed in: the page, or the inside of the frame.
struct Area {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

Area areaFor(const Settings& settings, int8_t boundary, int32_t width, int32_t height) {
    if (settings.frame.doFrame == 0 || boundary != 1) {
        return {0, 0, width, height};
    }
    const FrameBands bands = frameBands(settings.frame, width, height);
    return {bands.left, bands.top, width - bands.left - bands.right,
            height - bands.top - bands.bottom};
}

// The overlay turned by its angle; FreeImage grows the canvas to hold it and
// leaves the new corners transparent.
Image rotateOverlay(Image overlay, int32_t angle) {
    if (angle < 1 || angle > 359) {
        return overlay;
    }
    return Image(FreeImage_Rotate(overlay.get(), angle, nullptr));
}

// Keeps the top-left part of the overlay that fits between the offsets and the
// area's far edges; no image when nothing fits. Offsets are any long the
// settings hold, so the sums are worked out in 64 bits.
Image fitOverlay(Image overlay, const Area& area, const Placement& placement) {
    const int64_t width = FreeImage_GetWidth(overlay.get());
    const int64_t height = FreeImage_GetHeight(overlay.get());
    const int64_t fittedWidth =
        width + placement.xOffset > area.width ? area.width - int64_t{placement.xOffset} : width;
    const int64_t fittedHeight = height + placement.yOffset > area.height
                                     ? area.height - int64_t{placement.yOffset}
                                     : height;
    if (fittedWidth == width && fittedHeight == height) {
        return overlay;
    }
    if (fittedWidth <= 0 || fittedHeight <= 0) {
        return nullptr;
    }
    return Image(FreeImage_Copy(overlay.get(), 0, 0, static_cast<int>(fittedWidth),
                                static_cast<int>(fittedHeight)));
}

struct Corner {
    int32_t x = 0;
    int32_t y = 0;
};

// A coordinate worked out in 64 bits, brought into the range FreeImage takes;
// one that far away is outside the page either way.
int32_t coordinate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// The overlay's top-left corner for one of the nine positions, numbered row
// by row from the top-left; centred coordinates ignore the offsets. Any other
// value puts the overlay in the area's top-left corner.
Corner cornerFor(const Area& area, const Placement& placement, int32_t width, int32_t height) {
    if (placement.position < 0 || placement.position > 8) {
        return {area.left, area.top};
    }
    const std::array<int64_t, 3> columns{placement.xOffset, (area.width - width) / 2,
                                         int64_t{area.width} - width - placement.xOffset};
    const std::array<int64_t, 3> rows{placement.yOffset, (area.height - height) / 2,
                                      int64_t{area.height} - height - placement.yOffset};
    return {coordinate(area.left + columns[placement.position % 3]),
            coordinate(area.top + rows[placement.position / 3])};
}

Image buildOverlay(const Settings& settings, const ConversionJob& job, const WatermarkFont* font) {
    const WatermarkSettings& watermark = settings.watermark;
    if (watermark.doWatermark == textWatermark) {
        if (font == nullptr) {
            return nullptr;
        }
        return buildTextOverlay(watermark, expandWatermarkText(settings, job), *font);
    }
    if (watermark.doWatermark == pictureWatermark) {
        return buildPictureOverlay(watermark);
    }
    return nullptr;
}

}  // namespace

Image drawWatermark(Image image, int32_t width, int32_t height, const Settings& settings,
                    const ConversionJob& job, const WatermarkFont* font) {
    if (!image || settings.watermark.doWatermark == 0) {
        return image;
    }
    image = toTwentyFourBits(std::move(image));
    Image overlay = buildOverlay(settings, job, font);
    if (!image || !overlay) {
        return image;
    }
    const Placement placement = placementOf(settings.watermark);
    const Area area = areaFor(settings, placement.boundary, width, height);
    overlay = fitOverlay(rotateOverlay(std::move(overlay), placement.rotation), area, placement);
    if (!overlay) {
        return image;
    }
    const auto overlayWidth = static_cast<int32_t>(FreeImage_GetWidth(overlay.get()));
    const auto overlayHeight = static_cast<int32_t>(FreeImage_GetHeight(overlay.get()));
    const Corner corner = cornerFor(area, placement, overlayWidth, overlayHeight);

    // A transparent page-sized canvas with the overlay copied in; FreeImage
    // refuses a corner outside the page or an overlay reaching past it, and
    // then the page stays as it is. (Its alpha-255 paste would blend every
    // byte at 255/256, so the copy asks for a plain combine.)
    Image canvas(FreeImage_Allocate(width, height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                    FI_RGBA_BLUE_MASK));
    constexpr int plainCopy = 256;
    if (!canvas || !FreeImage_Paste(canvas.get(), overlay.get(), corner.x, corner.y, plainCopy)) {
        return image;
    }
    return compositeOverlay(*canvas, std::move(image));
}

}  // namespace tessaro
