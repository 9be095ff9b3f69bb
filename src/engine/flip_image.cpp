#include "engine/flip_image.h"

namespace tessaro {

// Both flips work in place and keep the depth. A flip the library could not
// do gives no image, so the page is counted as failed rather than saved
// unflipped.
Image flipImage(Image image, const Settings& settings) {
    const TransformSettings& transform = settings.transform;
    if (!image) {
        return image;
    }
    if (transform.doImageFlipHorizontal && !FreeImage_FlipHorizontal(image.get())) {
        return Image();
    }
    if (transform.doImageFlipVertical && !FreeImage_FlipVertical(image.get())) {
        return Image();
    }
    return image;
}

}  // namespace tessaro
