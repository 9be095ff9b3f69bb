#include <cmath>

#include "engine/geometry.h"
#include "engine/rounding.h"

namespace tessaro {

namespace {

constexpr int8_t pixelUnit = 0;
constexpr int8_t percentUnit = 1;
constexpr int8_t largeImagesOnly = 1;

// A resized page larger than this (16384 by 16384) fails instead of asking the
// library for gigabytes; it also keeps both sides within the library's int.
constexpr double largestPixelCount = 268435456.0;

// Sizes stay in double until they are known to be drawable, so a percentage
// of a large value never overflows.
struct PixelSize {
    double width = 0.0;
    double height = 0.0;
};

// Percentages round to the nearest pixel with halves to the even neighbour
// (the default rounding mode): 50 percent of 35 is 18, of 33 is 16.
double targetSide(int32_t value, int8_t unit, int32_t currentSide) {
    switch (unit) {
        case pixelUnit:
            return value;
        case percentUnit:
            return roundHalfToEven(value / 100.0 * currentSide);
        default:
            return 0.0;
    }
}

double roundHalfUp(float value) {
    return std::floor(static_cast<double>(value) + 0.5);
}

// The longer side (the width of a square) takes its target and the other side
// follows; the ratio and the quotient are single precision.
PixelSize keepProportions(PixelSize target, int32_t width, int32_t height) {
    if (width >= height) {
        const float ratio = static_cast<float>(width) / static_cast<float>(height);
        return {target.width, roundHalfUp(static_cast<float>(target.width) / ratio)};
    }
    const float ratio = static_cast<float>(height) / static_cast<float>(width);
    return {roundHalfUp(static_cast<float>(target.height) / ratio), target.height};
}

bool isDrawable(PixelSize size) {
    return size.width >= 1.0 && size.height >= 1.0 && size.width * size.height <= largestPixelCount;
}

FREE_IMAGE_FILTER filterOf(int8_t algorithm) {
    switch (algorithm) {
        case 0:
            return FILTER_BOX;
        case 1:
            return FILTER_BILINEAR;
        case 2:
            return FILTER_BSPLINE;
        case 4:
            return FILTER_CATMULLROM;
        case 5:
            return FILTER_LANCZOS3;
        default:
            return FILTER_BICUBIC;
    }
}

}  // namespace

Image resizeImage(Image image, int32_t width, int32_t height, const Settings& settings) {
    const TransformSettings& transform = settings.transform;
    if (!image || !transform.doImageResize) {
        return image;
    }

    const PixelSize target{targetSide(transform.imageWidth, transform.imageWidthUnit, width),
                           targetSide(transform.imageHeight, transform.imageHeightUnit, height)};
    if (target.width <= 0.0 || target.height <= 0.0) {
        return image;
    }
    if (target.width == width && target.height == height) {
        return image;
    }
    const bool smallerBothWays = width < target.width && height < target.height;
    if (transform.imageResizeType == largeImagesOnly && smallerBothWays) {
        return image;
    }

    const PixelSize size =
        transform.keepAspectRatio ? keepProportions(target, width, height) : target;
    if (!isDrawable(size)) {
        return Image();
    }
    return Image(FreeImage_Rescale(image.get(), static_cast<int>(size.width),
                                   static_cast<int>(size.height),
                                   filterOf(transform.imageResizeAlgorithm)));
}

}  // namespace tessaro
