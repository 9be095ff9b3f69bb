#include "engine/make_greyscale.h"

namespace tessaro {

Image makeGreyscale(Image image, const Settings& settings) {
    if (!image || !settings.adjustment.doImageGreyscale) {
        return image;
    }
    // Pages of more than 32 bits per pixel are narrowed first, since the grey
    // conversion reads ordinary bitmaps only.
    if (FreeImage_GetBPP(image.get()) > 32) {
        image = Image(FreeImage_ConvertTo24Bits(image.get()));
        if (!image) {
            return image;
        }
    }
    return Image(FreeImage_ConvertToGreyscale(image.get()));
}

}  // namespace tessaro
