#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/hex_color.h"
#include "engine/overlay.h"
#include "engine/rounding.h"
#include "engine/watermark_overlays.h"

namespace tessaro {
namespace {

// Lines of a block shorter or narrower than this still get a box of this size.
constexpr int32_t minimumLineExtent = 10;

struct LineExtent {
    int32_t width = 0;
    int32_t height = 0;
};

LineExtent measureLine(const WatermarkFont& font, const std::string& line, int32_t mode) {
    const TessaroTextExtent extent = font.api->measureText(font.handle.get(), line.c_str(), mode);
    return {static_cast<int32_t>(roundHalfAwayFromZero(extent.width)),
            static_cast<int32_t>(roundHalfAwayFromZero(extent.height))};
}

// The block's size from the raster metrics, whatever the text's rendering.
struct BlockLayout {
    int32_t width = 0;
    int32_t height = 0;
    int32_t lineAdvance = 0;
};

// Padding and leading are any long the settings hold, so the sizes are worked
// out in 64 bits; a block without area or too large for any canvas is no
// block (zero size).
BlockLayout layoutBlock(const WatermarkFont& font, const std::vector<std::string>& lines,
                        int32_t leading, int32_t padding) {
    int64_t width = 0;
    int64_t height = 0;
    int64_t lineAdvance = 0;
    if (lines.size() == 1) {
        const LineExtent extent = measureLine(font, lines.front(), tessaroTextRaster);
        width = extent.width;
        height = extent.height;
    } else {
        int32_t widest = minimumLineExtent;
        int32_t tallest = minimumLineExtent;
        for (const std::string& line : lines) {
            const LineExtent extent = measureLine(font, line, tessaroTextRaster);
            widest = std::max(widest, extent.width);
            tallest = std::max(tallest, extent.height);
        }
        lineAdvance = int64_t{tallest} + leading;
        width = widest;
        height = tallest + static_cast<int64_t>(lines.size() - 1) * lineAdvance;
    }
    width += 2 * int64_t{padding};
    height += 2 * int64_t{padding};
    constexpr int64_t largest = std::numeric_limits<int32_t>::max();
    if (width <= 0 || height <= 0 || width > largest || height > largest ||
        lineAdvance > largest) {
        return {};
    }
    return {static_cast<int32_t>(width), static_cast<int32_t>(height),
            static_cast<int32_t>(lineAdvance)};
}

int32_t lineX(int32_t alignment, int32_t blockWidth, int32_t lineWidth, int32_t padding) {
    switch (alignment) {
        case 0:
            return padding;
        case 1:
            return static_cast<int32_t>(std::floor((blockWidth - lineWidth) / 2.0 + 0.5));
        case 2:
            return blockWidth - lineWidth - padding;
        default:
            return 0;
    }
}

uint8_t opacityOf(int32_t value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

Image buildTextOverlay(const WatermarkSettings& watermark, const std::string& text,
                       const WatermarkFont& font) {
    const TessaroDrawingApi& api = *font.api;
    const std::vector<std::string> lines = watermarkLines(text);
    const int32_t padding = watermark.textPadding;
    const BlockLayout block = layoutBlock(font, lines, watermark.fontLeading, padding);
    if (block.width <= 0 || block.height <= 0) {
        return nullptr;
    }
    const uint8_t textOpacity = opacityOf(watermark.textOpacity);
    const uint8_t backOpacity = opacityOf(watermark.backOpacity);
    const int32_t mode = watermark.textAntialiasing == 0 ? tessaroTextRaster : tessaroTextSmooth;

    Canvas overlay = createCanvas(api, block.width, block.height);
    if (!overlay) {
        return nullptr;
    }
    if (mode == tessaroTextRaster) {
        const TessaroColor back =
            drawingColor(parseHexColorAlpha(watermark.backColor, backOpacity));
        const TessaroColor ink = drawingColor(parseHexColorAlpha(watermark.fontColor, textOpacity));
        api.fillCanvas(overlay.get(), back);
        for (size_t index = 0; index < lines.size(); ++index) {
            const int32_t width = measureLine(font, lines[index], mode).width;
            const int32_t x = lineX(watermark.textAlignment, block.width, width, padding);
            const int32_t y = padding + static_cast<int32_t>(index) * block.lineAdvance;
            api.drawRasterText(overlay.get(), font.handle.get(), lines[index].c_str(), x, y, ink,
                               back);
        }
    } else {
        // Background and text are drawn opaque on layers of their own and then
        // blended with their opacities, so that overlapping glyph edges never
        // add up to more than the text's opacity.
        Canvas background = createCanvas(api, block.width, block.height);
        Canvas textLayer = createCanvas(api, block.width, block.height);
        if (!background || !textLayer) {
            return nullptr;
        }
        api.fillCanvas(background.get(),
                       drawingColor(parseHexColorAlpha(watermark.backColor, 255)));
        const TessaroColor ink = drawingColor(parseHexColorAlpha(watermark.fontColor, 255));
        for (size_t index = 0; index < lines.size(); ++index) {
            const int32_t width = measureLine(font, lines[index], mode).width;
            const int32_t x = lineX(watermark.textAlignment, block.width, width, padding);
            const int32_t y = padding + static_cast<int32_t>(index) * block.lineAdvance;
            api.drawSmoothText(textLayer.get(), font.handle.get(), lines[index].c_str(), x, y, ink);
        }
        api.paintCanvas(overlay.get(), background.get(), backOpacity);
        api.paintCanvas(overlay.get(), textLayer.get(), textOpacity);
    }
    return canvasToBitmap(api, *overlay, block.width, block.height);
}

}  // namespace tessaro
