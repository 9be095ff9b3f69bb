#include "engine/apply_threshold.h"

#include <algorithm>

namespace tessaro {

Image applyThreshold(Image image, const Settings& settings) {
    const AdjustmentSettings& adjustment = settings.adjustment;
    if (!image || !adjustment.doImageThreshold) {
        return image;
    }
    // Pages of more than 32 bits per pixel are narrowed first, since the
    // threshold reads ordinary bitmaps only.
    if (FreeImage_GetBPP(image.get()) > 32) {
        image = Image(FreeImage_ConvertTo24Bits(image.get()));
        if (!image) {
            return image;
        }
    }
    // Grey levels below the threshold turn black, the rest white, in a 1-bit
    // page. A level outside 0..255 is held at the nearest end, so 300 still
    // means "almost everything black" rather than wrapping round to 44.
    const BYTE level = static_cast<BYTE>(std::clamp<int32_t>(adjustment.imageThreshold, 0, 255));
    return Image(FreeImage_Threshold(image.get(), level));
}

}  // namespace tessaro
