#pragma once

#include <cstdint>

#include "engine/image.h"
#include "settings/settings.h"

namespace tessaro {

// `width` and `height` are the picture's size after rotation and resizing.
Image drawFrame(Image image, int32_t width, int32_t height, const Settings& settings);

}  // namespace tessaro
