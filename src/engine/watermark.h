#pragma once

#include <cstdint>
#include <string>

#include "engine/image.h"
#include "settings/conversion_job.h"
#include "settings/settings.h"

namespace tessaro {

// The font a run loads once for its text watermarks; owned by the run
// (engine/watermark_font.h).
struct WatermarkFont;

// `width` and `height` are the picture's size after rotation and resizing.
// With the watermark on, the result is a 24-bit image of the same size with
// the text block or the picture blended over it; without a font a text
// watermark draws nothing.
Image drawWatermark(Image image, int32_t width, int32_t height, const Settings& settings,
                    const ConversionJob& job, const WatermarkFont* font);

// The watermark text with the file-name tokens of the current page expanded,
// in any letter case; the literal text keeps its own case.
std::string expandWatermarkText(const Settings& settings, const ConversionJob& job);

}  // namespace tessaro
