#pragma once

#include <cstdint>
#include <string>

#include "engine/watermark_font.h"
#include "settings/settings.h"

namespace tessaro {

// Steps of the set-up that the console run and the window mode's run share
// before their worker starts.

// The font of a text watermark: watermark.font at watermark.fontSize points,
// with the flags of its style and effect, the points taken at `dotsPerInch`.
Result<std::unique_ptr<WatermarkFont>> loadRunWatermarkFont(const WatermarkSettings& watermark,
                                                            int32_t dotsPerInch);

// A regular file that holds at least one byte; a missing path, a folder and
// an empty file are not.
bool isNonEmptyFile(const std::string& path);

}  // namespace tessaro
