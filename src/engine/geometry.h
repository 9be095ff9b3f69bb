#pragma once

#include <cstdint>

#include "engine/image.h"
#include "settings/settings.h"

namespace tessaro {

Image rotateImage(Image image, const Settings& settings);
Image resizeImage(Image image, int32_t width, int32_t height, const Settings& settings);
Image flipImage(Image image, const Settings& settings);

}  // namespace tessaro
