#include "engine/flatten_transparency.h"

namespace tessaro {

Image flattenOntoWhite(Image image) {
    if (!image || !FreeImage_IsTransparent(image.get()))
        return image;
    // Compositing takes 8-bit palette and 32-bit images only.
    const unsigned depth = FreeImage_GetBPP(image.get());
    if (depth < 8 || depth > 32) {
        image.reset(FreeImage_ConvertTo32Bits(image.get()));
        if (!image)
            return image;
    }
    RGBQUAD white{255, 255, 255, 0};
    return Image(FreeImage_Composite(image.get(), FALSE, &white, nullptr));
}

}  // namespace tessaro
