#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/flip_image.h"
#include "engine/resize_image.h"
#include "engine/rotate_image.h"
#include "settings/setting_codes.h"
#include "support/test_bitmaps.h"

namespace tessaro::test {
namespace {

constexpr Rgba red{200, 0, 0};
constexpr Rgba marker{0, 0, 255};

Settings rotationSettings(int32_t angle, RotationType type, std::string backColor = "00FF00") {
    Settings settings;
    settings.transform.doImageRotation = 1;
    settings.transform.imageRotation = angle;
    settings.transform.imageRotationType = storedCode(type);
    settings.transform.imageRotationBackColor = std::move(backColor);
    return settings;
}

struct Size {
    unsigned width;
    unsigned height;
    bool operator==(const Size&) const = default;
};

Size sizeOf(const Image& image) {
    return {FreeImage_GetWidth(image.get()), FreeImage_GetHeight(image.get())};
}

std::vector<Rgba> cornersOf(const Image& image) {
    const int right = static_cast<int>(FreeImage_GetWidth(image.get())) - 1;
    const int top = static_cast<int>(FreeImage_GetHeight(image.get())) - 1;
    return {pixelAt(image, 0, 0), pixelAt(image, right, 0), pixelAt(image, 0, top),
            pixelAt(image, right, top)};
}

TEST(GeometrySteps, PassNoImageThrough) {
    Settings settings = rotationSettings(45, RotationType::simple);
    settings.transform.doImageResize = 1;
    settings.transform.imageWidth = 10;
    settings.transform.imageHeight = 10;
    settings.transform.doImageFlipHorizontal = 1;
    settings.transform.doImageFlipVertical = 1;
    EXPECT_FALSE(rotateImage(Image(), settings));
    EXPECT_FALSE(resizeImage(Image(), 0, 0, settings));
    EXPECT_FALSE(flipImage(Image(), settings));
}

TEST(RotateImage, QuarterTurnSwapsTheSizeAndShowsNoBackground) {
    Image rotated =
        rotateImage(makeBitmap(32, 16, 24, red), rotationSettings(90, RotationType::simple));
    ASSERT_TRUE(rotated);
    EXPECT_EQ(sizeOf(rotated), (Size{16, 32}));
    for (const Rgba& corner : cornersOf(rotated)) {
        EXPECT_EQ(corner, red);
    }
}

TEST(RotateImage, SimpleRotationGrowsTheCanvasAndFillsCornersWithTheBackground) {
    Image rotated = rotateImage(makeBitmap(32, 32, 24, red),
                                rotationSettings(45, RotationType::simple, "00FF00"));
    ASSERT_TRUE(rotated);
    EXPECT_EQ(FreeImage_GetBPP(rotated.get()), 24u);
    EXPECT_GT(FreeImage_GetWidth(rotated.get()), 40u);
    EXPECT_GT(FreeImage_GetHeight(rotated.get()), 40u);
    for (const Rgba& corner : cornersOf(rotated)) {
        EXPECT_EQ(corner, (Rgba{0, 255, 0}));
    }
    const int middle = static_cast<int>(FreeImage_GetWidth(rotated.get())) / 2;
    EXPECT_EQ(pixelAt(rotated, middle, middle), red);
}

TEST(RotateImage, CornersOfATrueColorPageWithAlphaAreTransparent) {
    Image rotated = rotateImage(makeBitmap(32, 32, 32, red),
                                rotationSettings(45, RotationType::simple, "0000FF"));
    ASSERT_TRUE(rotated);
    EXPECT_EQ(FreeImage_GetBPP(rotated.get()), 32u);
    for (const Rgba& corner : cornersOf(rotated)) {
        EXPECT_EQ(corner.alpha, 0);
    }
    EXPECT_TRUE(FreeImage_IsTransparent(rotated.get()));
}

TEST(RotateImage, AdvancedRotationKeepsTheSizeAndMirrorsIntoTheCorners) {
    Image rotated = rotateImage(makeBitmap(32, 32, 24, red),
                                rotationSettings(45, RotationType::advanced, "00FF00"));
    ASSERT_TRUE(rotated);
    EXPECT_EQ(sizeOf(rotated), (Size{32, 32}));
    for (const Rgba& corner : cornersOf(rotated)) {
        EXPECT_PRED3(isNear, corner, red, 2);
    }
}

TEST(RotateImage, AnglesOutsideOneTo359AndRotationOffLeaveThePageUntouched) {
    for (int32_t angle : {0, 360, -90, 400}) {
        Image page = atDepth(makeBitmap(8, 4, 24, red), 8);
        FIBITMAP* const original = page.get();
        Image result = rotateImage(std::move(page), rotationSettings(angle, RotationType::simple));
        EXPECT_EQ(result.get(), original) << "angle " << angle;
        EXPECT_EQ(FreeImage_GetBPP(result.get()), 8u) << "angle " << angle;
    }
    Settings off = rotationSettings(90, RotationType::simple);
    off.transform.doImageRotation = 0;
    Image page = makeBitmap(8, 4, 24, red);
    FIBITMAP* const original = page.get();
    EXPECT_EQ(rotateImage(std::move(page), off).get(), original);
}

TEST(RotateImage, PagesOf16BitsOrLessAreWidenedTo24BeforeRotating) {
    const std::vector<std::pair<unsigned, unsigned>> depths = {{1, 24},  {4, 24},  {8, 24},
                                                               {16, 24}, {24, 24}, {32, 32}};
    for (const auto& [depth, expected] : depths) {
        Image rotated = rotateImage(atDepth(makeBitmap(8, 4, 24, red), depth),
                                    rotationSettings(1, RotationType::simple));
        ASSERT_TRUE(rotated) << depth << " bits";
        EXPECT_EQ(FreeImage_GetBPP(rotated.get()), expected) << depth << " bits";
    }
}

TEST(RotateImage, UnknownRotationTypeOnlyWidensTheDepth) {
    Settings settings = rotationSettings(45, RotationType::simple);
    settings.transform.imageRotationType = 2;
    Image result = rotateImage(atDepth(makeBitmap(8, 4, 24, red), 8), settings);
    ASSERT_TRUE(result);
    EXPECT_EQ(FreeImage_GetBPP(result.get()), 24u);
    EXPECT_EQ(sizeOf(result), (Size{8, 4}));
}

struct ResizeCase {
    const char* name;
    Size source;
    int32_t width;
    int8_t widthUnit;
    int32_t height;
    int8_t heightUnit;
    int8_t keepAspectRatio;
    int8_t resizeType;
    Size expected;
    bool rescaled;
};

constexpr int8_t pixels = storedCode(SizeUnit::pixels);
constexpr int8_t percent = storedCode(SizeUnit::percent);
constexpr int8_t allImages = storedCode(ResizeType::allImages);
constexpr int8_t largeImages = storedCode(ResizeType::largeImages);

void PrintTo(const ResizeCase& row, std::ostream* out) {
    *out << row.name;
}

class ResizeImageTest : public testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeImageTest, GivesTheExpectedSize) {
    const ResizeCase& row = GetParam();
    Settings settings;
    settings.transform.doImageResize = 1;
    settings.transform.imageWidth = row.width;
    settings.transform.imageWidthUnit = row.widthUnit;
    settings.transform.imageHeight = row.height;
    settings.transform.imageHeightUnit = row.heightUnit;
    settings.transform.keepAspectRatio = row.keepAspectRatio;
    settings.transform.imageResizeType = row.resizeType;
    const int width = static_cast<int>(row.source.width);
    const int height = static_cast<int>(row.source.height);
    Image page = makeBitmap(width, height, 24, red);
    FIBITMAP* const original = page.get();
    Image result = resizeImage(std::move(page), width, height, settings);
    ASSERT_TRUE(result);
    EXPECT_EQ(sizeOf(result), row.expected);
    EXPECT_EQ(result.get() != original, row.rescaled);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ResizeImageTest,
    testing::Values(
        ResizeCase{"PixelsWithoutProportions",
                   {40, 20},
                   10,
                   pixels,
                   30,
                   pixels,
                   0,
                   allImages,
                   {10, 30},
                   true},
        ResizeCase{
            "HalfOf33RoundsTo16", {33, 33}, 50, percent, 50, percent, 0, allImages, {16, 16}, true},
        ResizeCase{
            "HalfOf35RoundsTo18", {35, 35}, 50, percent, 50, percent, 0, allImages, {18, 18}, true},
        ResizeCase{"PercentAndPixelsMixed",
                   {20, 10},
                   150,
                   percent,
                   7,
                   pixels,
                   0,
                   allImages,
                   {30, 7},
                   true},
        ResizeCase{"LandscapeKeepsProportionsByWidth",
                   {200, 100},
                   100,
                   pixels,
                   100,
                   pixels,
                   1,
                   allImages,
                   {100, 50},
                   true},
        ResizeCase{"PortraitKeepsProportionsByHeight",
                   {100, 300},
                   100,
                   pixels,
                   100,
                   pixels,
                   1,
                   allImages,
                   {33, 100},
                   true},
        ResizeCase{"SquareFollowsTheWidth",
                   {50, 50},
                   20,
                   pixels,
                   70,
                   pixels,
                   1,
                   allImages,
                   {20, 20},
                   true},
        ResizeCase{
            "ProportionRoundsHalfUp", {40, 16}, 5, pixels, 5, pixels, 1, allImages, {5, 2}, true},
        ResizeCase{"LargeOnlyLeavesASmallPage",
                   {48, 48},
                   64,
                   pixels,
                   64,
                   pixels,
                   1,
                   largeImages,
                   {48, 48},
                   false},
        ResizeCase{"LargeOnlyShrinksAPageLargerOneWay",
                   {128, 32},
                   64,
                   pixels,
                   64,
                   pixels,
                   1,
                   largeImages,
                   {64, 16},
                   true},
        ResizeCase{"AllImagesEnlargesASmallPage",
                   {48, 48},
                   64,
                   pixels,
                   64,
                   pixels,
                   1,
                   allImages,
                   {64, 64},
                   true},
        ResizeCase{"SameSizeIsNotRescaled",
                   {32, 32},
                   32,
                   pixels,
                   32,
                   pixels,
                   0,
                   allImages,
                   {32, 32},
                   false},
        ResizeCase{
            "ZeroTargetIsIgnored", {32, 32}, 0, pixels, 16, pixels, 0, allImages, {32, 32}, false},
        ResizeCase{"NegativeTargetIsIgnored",
                   {32, 32},
                   16,
                   pixels,
                   -16,
                   pixels,
                   0,
                   allImages,
                   {32, 32},
                   false},
        ResizeCase{
            "UnknownUnitIsIgnored", {32, 32}, 16, 2, 16, pixels, 0, allImages, {32, 32}, false},
        ResizeCase{"PercentRoundingToZeroIsIgnored",
                   {3, 3},
                   10,
                   percent,
                   10,
                   percent,
                   0,
                   allImages,
                   {3, 3},
                   false}),
    [](const testing::TestParamInfo<ResizeCase>& info) { return info.param.name; });

Settings resizeSettings(int32_t width, int32_t height, int8_t keepAspectRatio) {
    Settings settings;
    settings.transform.doImageResize = 1;
    settings.transform.imageWidth = width;
    settings.transform.imageHeight = height;
    settings.transform.keepAspectRatio = keepAspectRatio;
    return settings;
}

TEST(ResizeImage, ResizingOffLeavesThePageUntouched) {
    Settings settings = resizeSettings(10, 10, 0);
    settings.transform.doImageResize = 0;
    Image page = makeBitmap(32, 32, 24, red);
    FIBITMAP* const original = page.get();
    EXPECT_EQ(resizeImage(std::move(page), 32, 32, settings).get(), original);
}

TEST(ResizeImage, ResizesPagesOfEveryIconDepth) {
    for (unsigned depth : {1u, 4u, 8u, 16u, 24u, 32u}) {
        Image resized =
            resizeImage(atDepth(makeBitmap(8, 6, 24, red), depth), 8, 6, resizeSettings(4, 3, 0));
        ASSERT_TRUE(resized) << depth << " bits";
        EXPECT_EQ(sizeOf(resized), (Size{4, 3})) << depth << " bits";
    }
}

TEST(ResizeImage, SizesThatCannotBeDrawnGiveNoImage) {
    // A side that keeping proportions rounds to 0, and a percentage far beyond
    // any sane page, both fail the page instead of saving it unresized.
    EXPECT_FALSE(resizeImage(makeBitmap(100, 2, 24, red), 100, 2, resizeSettings(10, 10, 1)));
    Settings huge = resizeSettings(2000000000, 2000000000, 0);
    huge.transform.imageWidthUnit = percent;
    huge.transform.imageHeightUnit = percent;
    EXPECT_FALSE(resizeImage(makeBitmap(64, 64, 24, red), 64, 64, huge));
}

TEST(ResizeImage, EachAlgorithmSelectsItsFilter) {
    const std::vector<std::pair<int8_t, FREE_IMAGE_FILTER>> filters = {
        {storedCode(ResizeAlgorithm::box), FILTER_BOX},
        {storedCode(ResizeAlgorithm::bilinear), FILTER_BILINEAR},
        {storedCode(ResizeAlgorithm::bspline), FILTER_BSPLINE},
        {storedCode(ResizeAlgorithm::bicubic), FILTER_BICUBIC},
        {storedCode(ResizeAlgorithm::catmullRom), FILTER_CATMULLROM},
        {storedCode(ResizeAlgorithm::lanczos), FILTER_LANCZOS3},
        {6, FILTER_BICUBIC},  // numbers that are no algorithm resize as bicubic
        {-1, FILTER_BICUBIC}};
    Image pattern = makeBitmap(7, 5, 24, red);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            setPixel(pattern, x, y,
                     Rgba{static_cast<uint8_t>(x * 37 + y * 91), static_cast<uint8_t>(x * y * 53),
                          static_cast<uint8_t>(255 - x * 30)});
        }
    }
    for (const auto& [algorithm, filter] : filters) {
        Settings settings = resizeSettings(13, 11, 0);
        settings.transform.imageResizeAlgorithm = algorithm;
        Image resized = resizeImage(Image(FreeImage_Clone(pattern.get())), 7, 5, settings);
        Image expected(FreeImage_Rescale(pattern.get(), 13, 11, filter));
        ASSERT_TRUE(resized);
        ASSERT_EQ(sizeOf(resized), (Size{13, 11}));
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 13; ++x) {
                ASSERT_EQ(pixelAt(resized, x, y), pixelAt(expected, x, y))
                    << "algorithm " << int{algorithm} << " at " << x << "," << y;
            }
        }
    }
}

Settings flipSettings(int8_t horizontal, int8_t vertical) {
    Settings settings;
    settings.transform.doImageFlipHorizontal = horizontal;
    settings.transform.doImageFlipVertical = vertical;
    return settings;
}

struct FlipCase {
    int8_t horizontal;
    int8_t vertical;
    int markerX;
    int markerY;
};

TEST(FlipImage, MovesTheMarkedPixelAndKeepsTheDepth) {
    const std::vector<FlipCase> cases = {{0, 0, 0, 0}, {1, 0, 3, 0}, {0, 1, 0, 2}, {1, 1, 3, 2}};
    for (unsigned depth : {8u, 24u, 32u}) {
        for (const FlipCase& row : cases) {
            Image page = makeBitmap(4, 3, 24, red);
            setPixel(page, 0, 0, marker);
            page = atDepth(page, depth);
            Image flipped = flipImage(std::move(page), flipSettings(row.horizontal, row.vertical));
            ASSERT_TRUE(flipped);
            EXPECT_EQ(FreeImage_GetBPP(flipped.get()), depth);
            EXPECT_EQ(pixelAt(flipped, row.markerX, row.markerY),
                      pixelAt(atDepth(makeBitmap(1, 1, 24, marker), depth), 0, 0))
                << depth << " bits, flips " << int{row.horizontal} << int{row.vertical};
        }
    }
}

TEST(FlipImage, FlippingTwiceRestoresEveryPixel) {
    Image page = makeBitmap(5, 3, 24, red);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            setPixel(page, x, y,
                     Rgba{static_cast<uint8_t>(x * 50), static_cast<uint8_t>(y * 100), 7});
        }
    }
    Image original(FreeImage_Clone(page.get()));
    const Settings both = flipSettings(1, 1);
    page = flipImage(flipImage(std::move(page), both), both);
    ASSERT_TRUE(page);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(pixelAt(page, x, y), pixelAt(original, x, y));
        }
    }
}

}  // namespace
}  // namespace tessaro::test
