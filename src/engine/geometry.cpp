#include "engine/geometry.h"

namespace tessaro {

// Rotation, resizing and flipping pass the image through until they are built.
Image rotateImage(Image image, const Settings&) { return image; }
Image resizeImage(Image image, int32_t, int32_t, const Settings&) { return image; }
Image flipImage(Image image, const Settings&) { return image; }

}  // namespace tessaro
