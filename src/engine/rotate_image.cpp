#include <optional>
#include <string>

#include "engine/hex_color.h"
#include "engine/rotate_image.h"
#include "settings/setting_codes.h"

namespace tessaro {

namespace {

// The rotation works on true-colour pixels only: palette, greyscale and 16-bit
// pages are widened first, 24- and 32-bit pages (with their alpha) stay.
bool needsTrueColor(FIBITMAP* bitmap) {
    const unsigned depth = FreeImage_GetBPP(bitmap);
    return depth <= 16 || depth > 32;
}

// Rotates around the centre on a canvas grown to hold the whole picture; the
// uncovered corners take the background colour, which is fully transparent in
// a 32-bit page, so the flattening step later turns them white.
Image rotateOnGrownCanvas(const Image& image, double angle, const std::string& backColor) {
    const RGBQUAD background = parseHexColor(backColor);
    return Image(FreeImage_Rotate(image.get(), angle, &background));
}

// Rotates around the centre on a canvas of the same size; the uncovered parts
// mirror the picture, so no background colour shows.
Image rotateInPlace(const Image& image, double angle) {
    const double centreX = FreeImage_GetWidth(image.get()) / 2.0;
    const double centreY = FreeImage_GetHeight(image.get()) / 2.0;
    return Image(FreeImage_RotateEx(image.get(), angle, 0.0, 0.0, centreX, centreY, FALSE));
}

}  // namespace

Image rotateImage(Image image, const Settings& settings) {
    const TransformSettings& transform = settings.transform;
    if (!image || !transform.doImageRotation) {
        return image;
    }
    const int32_t angle = transform.imageRotation;
    if (angle < 1 || angle > 359) {
        return image;
    }

    if (needsTrueColor(image.get())) {
        image = Image(FreeImage_ConvertTo24Bits(image.get()));
        if (!image) {
            return image;
        }
    }

    const std::optional<RotationType> type = codeOf<RotationType>(transform.imageRotationType);
    if (!type) {
        return image;
    }
    switch (*type) {
        case RotationType::simple:
            return rotateOnGrownCanvas(image, angle, transform.imageRotationBackColor);
        case RotationType::advanced:
            return rotateInPlace(image, angle);
    }
    return image;
}

}  // namespace tessaro
