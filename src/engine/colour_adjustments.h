#pragma once

#include "engine/image.h"
#include "settings/settings.h"

namespace tessaro {

Image adjustColors(Image image, const Settings& settings);
Image makeGreyscale(Image image, const Settings& settings);
Image applyThreshold(Image image, const Settings& settings);

}  // namespace tessaro
