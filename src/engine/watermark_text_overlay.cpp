#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "engine/hex_color.h"
#include "engine/overlay.h"
#include "engine/rounding.h"
#include "engine/watermark_overlays.h"
#include "settings/setting_codes.h"

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

// Padding and leading are any long the settings hold, so the sizes are worked
// out in 64 bits; a block without area or too large for any canvas is no
// block.
std::optional<TextBlock> layoutBlock(const WatermarkFont& font, std::vector<std::string> lines,
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
    if (width <= 0 || height <= 0 || width > largest || height > largest || lineAdvance > largest) {
        return std::nullopt;
    }
    return TextBlock{std::move(lines), {width, height}, lineAdvance};
}

int64_t lineX(int32_t storedAlignment, int64_t blockWidth, int32_t lineWidth, int32_t padding) {
    const std::optional<TextAlignment> alignment = codeOf<TextAlignment>(storedAlignment);
    if (!alignment) {
        return 0;
    }
    switch (*alignment) {
        case TextAlignment::left:
            return padding;
        case TextAlignment::center:
            return static_cast<int64_t>(
                std::floor(static_cast<double>(blockWidth - lineWidth) / 2.0 + 0.5));
        case TextAlignment::right:
            return blockWidth - lineWidth - padding;
    }
    return 0;
}

// A line's position in the piece, for the drawing module. Lines are drawn only
// when they reach the piece, so their positions are small; the clamp only
// keeps a line wider than any canvas from wrapping around.
int32_t pieceCoordinate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

uint8_t opacityOf(int32_t value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// Where each line of the block is drawn, in the piece's coordinates, with the
// line widths of the text's rendering; lines that cannot reach the piece are
// left out.
struct PlacedLine {
    const std::string* text = nullptr;
    int32_t x = 0;
    int32_t y = 0;
};

std::vector<PlacedLine> linesInPiece(const WatermarkSettings& watermark, const TextBlock& block,
                                     const WatermarkFont& font, int32_t mode,
                                     const PixelRect& piece) {
    // Glyphs may reach past their line's logical box (italic overhangs,
    // accents); a whole character height around it is room enough.
    const int64_t overhang = font.pixelHeight;
    std::vector<PlacedLine> placed;
    for (size_t index = 0; index < block.lines.size(); ++index) {
        const std::string& line = block.lines[index];
        const LineExtent extent = measureLine(font, line, mode);
        const int64_t x =
            lineX(watermark.textAlignment, block.size.width, extent.width, watermark.textPadding);
        const int64_t y = watermark.textPadding + static_cast<int64_t>(index) * block.lineAdvance;
        const bool reaches =
            x - overhang < piece.left + piece.width && x + extent.width + overhang > piece.left &&
            y - overhang < piece.top + piece.height && y + extent.height + overhang > piece.top;
        if (reaches) {
            placed.push_back(
                {&line, pieceCoordinate(x - piece.left), pieceCoordinate(y - piece.top)});
        }
    }
    return placed;
}

}  // namespace

std::optional<TextBlock> layoutTextBlock(const WatermarkSettings& watermark,
                                         const std::string& text, const WatermarkFont& font) {
    return layoutBlock(font, watermarkLines(text), watermark.fontLeading, watermark.textPadding);
}

Image drawTextBlock(const WatermarkSettings& watermark, const TextBlock& block,
                    const WatermarkFont& font, const PixelRect& piece) {
    const TessaroDrawingApi& api = *font.api;
    const auto width = static_cast<int32_t>(piece.width);
    const auto height = static_cast<int32_t>(piece.height);
    const uint8_t textOpacity = opacityOf(watermark.textOpacity);
    const uint8_t backOpacity = opacityOf(watermark.backOpacity);
    const int32_t mode = watermark.textAntialiasing == 0 ? tessaroTextRaster : tessaroTextSmooth;
    const std::vector<PlacedLine> lines = linesInPiece(watermark, block, font, mode, piece);

    Canvas overlay = createCanvas(api, width, height);
    if (!overlay) {
        return nullptr;
    }
    if (mode == tessaroTextRaster) {
        const TessaroColor back =
            drawingColor(parseHexColorAlpha(watermark.backColor, backOpacity));
        const TessaroColor ink = drawingColor(parseHexColorAlpha(watermark.fontColor, textOpacity));
        api.fillCanvas(overlay.get(), back);
        for (const PlacedLine& line : lines) {
            api.drawRasterText(overlay.get(), font.handle.get(), line.text->c_str(), line.x, line.y,
                               ink, back);
        }
    } else {
        // Background and text are drawn opaque on layers of their own and then
        // blended with their opacities, so that overlapping glyph edges never
        // add up to more than the text's opacity.
        Canvas background = createCanvas(api, width, height);
        Canvas textLayer = createCanvas(api, width, height);
        if (!background || !textLayer) {
            return nullptr;
        }
        api.fillCanvas(background.get(),
                       drawingColor(parseHexColorAlpha(watermark.backColor, 255)));
        const TessaroColor ink = drawingColor(parseHexColorAlpha(watermark.fontColor, 255));
        for (const PlacedLine& line : lines) {
            api.drawSmoothText(textLayer.get(), font.handle.get(), line.text->c_str(), line.x,
                               line.y, ink);
        }
        api.paintCanvas(overlay.get(), background.get(), backOpacity);
        api.paintCanvas(overlay.get(), textLayer.get(), textOpacity);
    }
    return canvasToBitmap(api, *overlay, width, height);
}

}  // namespace tessaro
