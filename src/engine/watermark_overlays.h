#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/image.h"
#include "engine/watermark_font.h"
#include "engine/watermark_geometry.h"
#include "settings/settings.h"

namespace tessaro {

// The lines of a watermark text: the pieces between "%eol%" tokens in any
// letter case, empty pieces included; a text without the token is one line.
std::vector<std::string> watermarkLines(const std::string& text);

// The text block laid out with the raster metrics of the font: its lines, its
// size (padding included) and the advance from one line to the next. Sizes
// are worked out in 64 bits, as padding and leading are any long the settings
// hold.
struct TextBlock {
    std::vector<std::string> lines;
    PixelSize size;
    int64_t lineAdvance = 0;
};

// No block when it has no area or is too large for any canvas.
std::optional<TextBlock> layoutTextBlock(const WatermarkSettings& watermark,
                                         const std::string& text, const WatermarkFont& font);

// The part `piece` of the text block (in the block's coordinates) as a 32-bit
// overlay of the piece's size: the lines in the background box with the
// padding around them, drawn as if the whole block were drawn and cut. Lines
// that cannot reach the piece are not drawn. No image when drawing fails.
Image drawTextBlock(const WatermarkSettings& watermark, const TextBlock& block,
                    const WatermarkFont& font, const PixelRect& piece);

// A watermark picture file larger than this is not read.
inline constexpr std::size_t maxWatermarkPictureBytes = std::size_t{64} << 20;

// The watermark picture, loaded by FreeImage in whatever format it is, as a
// 32-bit overlay with its opacity (and in grey when asked). No image when the
// picture cannot be read (see readRegularFile) or decoded.
Image buildPictureOverlay(const WatermarkSettings& watermark);

}  // namespace tessaro
