#include "engine/adjust_colors.h"

namespace tessaro {

namespace {

// The library adjusts 8-bit pages through their palette or grey levels and
// 24- and 32-bit pages pixel by pixel; every other depth, 16-bit pages
// included, is widened so that the correction is never silently skipped.
bool needsTrueColor(FIBITMAP* bitmap) {
    const unsigned depth = FreeImage_GetBPP(bitmap);
    return depth != 8 && depth != 24 && depth != 32;
}

}  // namespace

Image adjustColors(Image image, const Settings& settings) {
    const AdjustmentSettings& adjustment = settings.adjustment;
    if (!image || !adjustment.doImageColorCorrection) {
        return image;
    }
    if (needsTrueColor(image.get())) {
        image = Image(FreeImage_ConvertTo24Bits(image.get()));
        if (!image) {
            return image;
        }
    }
    // Brightness, contrast, gamma and inversion go through one lookup table in
    // one pass. The library reports false when nothing was to be changed (all
    // values neutral) and ignores a gamma of 0 or less; the page is fine as it
    // is in both cases, so the result does not matter.
    FreeImage_AdjustColors(image.get(), adjustment.imageBrightness, adjustment.imageContrast,
                           adjustment.imageGamma, adjustment.imageInvert ? TRUE : FALSE);
    return image;
}

}  // namespace tessaro
