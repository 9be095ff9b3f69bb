#pragma once

#include <cstdint>

#include "engine/image.h"
#include "settings/settings.h"

namespace tessaro {

Image resizeImage(Image image, int32_t width, int32_t height, const Settings& settings);

}  // namespace tessaro
