#pragma once

#include "engine/image.h"

namespace tessaro {

// A transparent image blended onto white as a 24-bit image, so that no output
// keeps an alpha channel; an opaque image (or no image) is returned unchanged.
Image flattenOntoWhite(Image image);

}  // namespace tessaro
