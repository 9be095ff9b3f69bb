#pragma once

#include <cstdint>

#include "settings/setting_codes.h"
#include "settings/settings.h"

namespace tessaro {

// A text watermark's font is loaded with the drawing module's font flags
// (tessaroFontBold and the rest, platform/drawing_api.h) of its style and
// effect.

int32_t fontFlagsOf(FontStyle style);
int32_t fontFlagsOf(FontEffect effect);

// The flags of watermark.fontStyle and watermark.fontEffect together; a
// number that is no style or effect adds none.
int32_t watermarkFontFlags(const WatermarkSettings& watermark);

}  // namespace tessaro
