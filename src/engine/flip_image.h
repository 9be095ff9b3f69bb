#pragma once

#include "engine/image.h"
#include "settings/settings.h"

namespace tessaro {

Image flipImage(Image image, const Settings& settings);

}  // namespace tessaro
