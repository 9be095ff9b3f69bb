#include <cmath>
#include <optional>

#include "engine/resize_image.h"
#include "engine/rounding.h"
#include "settings/setting_codes.h"

namespace tessaro {

namespace {

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
// (the default rounding mode): 50 percent of 35 is 18, of 33 is 16. A unit
// that is no unit gives 0, which leaves the page as it is.
double targetSide(int32_t value, int8_t storedUnit, int32_t currentSide) {
    const std::optional<SizeUnit> unit = codeOf<SizeUnit>(storedUnit);
    if (!unit) {
        return 0.0;
    }
    switch (*unit) {
        case SizeUnit::pixels:
            return value;
        case SizeUnit::percent:
            return roundHalfToEven(value / 100.0 * currentSide);
    }
    return 0.0;
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

// An algorithm that is no algorithm resizes as bicubic does.
FREE_IMAGE_FILTER filterOf(int8_t storedAlgorithm) {
    const ResizeAlgorithm algorithm =
        codeOf<ResizeAlgorithm>(storedAlgorithm).value_or(ResizeAlgorithm::bicubic);
    switch (algorithm) {
        case ResizeAlgorithm::box:
            return FILTER_BOX;
        case ResizeAlgorithm::bilinear:
            return FILTER_BILINEAR;
        case ResizeAlgorithm::bspline:
            return FILTER_BSPLINE;
        case ResizeAlgorithm::bicubic:
            return FILTER_BICUBIC;
        case ResizeAlgorithm::catmullRom:
            return FILTER_CATMULLROM;
        case ResizeAlgorithm::lanczos:
            return FILTER_LANCZOS3;
    }
    return FILTER_BICUBIC;
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
    if (transform.imageResizeType == storedCode(ResizeType::largeImages) && smallerBothWays) {
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
