#pragma once

#include "engine/image.h"
#include "settings/settings.h"

namespace tessaro {

Image makeGreyscale(Image image, const Settings& settings);

}  // namespace tessaro
