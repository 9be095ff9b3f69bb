#pragma once

#include <cstdint>

#include "engine/image.h"
#include "settings/conversion_job.h"
#include "settings/settings.h"

namespace tessaro {

// The font a run loads once for its text watermarks; owned by the run.
struct WatermarkFont;

// `width` and `height` are the picture's size after rotation and resizing.
Image drawWatermark(Image image, int32_t width, int32_t height, const Settings& settings,
                    const ConversionJob& job, const WatermarkFont* font);

}  // namespace tessaro
