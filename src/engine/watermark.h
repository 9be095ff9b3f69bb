#pragma once

#include <cstdint>
#include <string>

#include "engine/image.h"
#include "engine/page_facts.h"
#include "settings/conversion_request.h"
#include "settings/settings.h"

namespace tessaro {

// The font a run loads once for its text watermarks; owned by the run
// (engine/watermark_font.h).
struct WatermarkFont;

// `page` gives the picture's size after rotation and resizing, and what the
// text's tokens read. With the watermark on, the result is a 24-bit image of
// the same size with the text block or the picture blended over it; without a
// font a text watermark draws nothing.
Image drawWatermark(Image image, const Settings& settings, const ConversionRequest& request,
                    const PageFacts& page, const WatermarkFont* font);

// The watermark text with the file-name tokens of `page` of the requested file
// expanded, in any letter case; the literal text keeps its own case.
std::string expandWatermarkText(const Settings& settings, const ConversionRequest& request,
                                const PageFacts& page);

}  // namespace tessaro
