#include "engine/solid_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "settings/setting_codes.h"
#include "support/bitmap_pixels.h"

namespace tessaro::test {
namespace {

constexpr RGBQUAD pageColor = rgb(30, 60, 90);

Settings frameSettings(int32_t left, int32_t right, int32_t top, int32_t bottom) {
    Settings settings;
    settings.frame.doFrame = storedCode(FrameType::solid);
    settings.frame.solidLeft = left;
    settings.frame.solidRight = right;
    settings.frame.solidTop = top;
    settings.frame.solidBottom = bottom;
    settings.frame.solidLeftColor = "00FF00";
    settings.frame.solidTopColor = "FF0000";
    settings.frame.solidRightColor = "0000FF";
    settings.frame.solidBottomColor = "FFFF00";
    return settings;
}

Image framed(const Settings& settings, int32_t width = 100, int32_t height = 80,
             unsigned bitsPerPixel = 24) {
    return drawFrame(solidBitmap(width, height, bitsPerPixel, pageColor), width, height, settings);
}

TEST(SolidFrame, PaintsEveryPixelWithinTheBandsAndLeavesTheInsideAlone) {
    Settings settings = frameSettings(10, 10, 10, 10);
    for (std::string* color : {&settings.frame.solidLeftColor, &settings.frame.solidRightColor,
                               &settings.frame.solidTopColor, &settings.frame.solidBottomColor}) {
        *color = "FF0000";
    }
    Image image = framed(settings);
    ASSERT_TRUE(image);
    EXPECT_EQ(FreeImage_GetWidth(image.get()), 100u);
    EXPECT_EQ(FreeImage_GetHeight(image.get()), 80u);
    EXPECT_EQ(FreeImage_GetBPP(image.get()), 24u);
    for (int32_t y = 0; y < 80; ++y) {
        for (int32_t x = 0; x < 100; ++x) {
            const bool inBand = x < 10 || x >= 90 || y < 10 || y >= 70;
            ASSERT_TRUE(sameColor(pixelAt(image, x, y), inBand ? rgb(255, 0, 0) : pageColor))
                << "pixel " << x << "," << y;
        }
    }
}

TEST(SolidFrame, SplitsACornerAlongItsDiagonalWithoutShowingThePage) {
    Image image = framed(frameSettings(10, 0, 10, 0));
    ASSERT_TRUE(image);
    EXPECT_TRUE(sameColor(pixelAt(image, 7, 2), rgb(255, 0, 0)));  // top band above the diagonal
    EXPECT_TRUE(sameColor(pixelAt(image, 2, 7), rgb(0, 255, 0)));  // left band below it
    for (int32_t i = 0; i < 10; ++i) {
        // The joint blends the two band colours; the page never shines through.
        const RGBQUAD joint = pixelAt(image, i, i);
        EXPECT_EQ(joint.rgbBlue, 0) << "diagonal pixel " << i;
        EXPECT_EQ(joint.rgbRed + joint.rgbGreen, 255) << "diagonal pixel " << i;
    }
    EXPECT_TRUE(sameColor(pixelAt(image, 50, 40), pageColor));
}

TEST(SolidFrame, BlendsTheWholeFrameWithItsOpacity) {
    Settings settings = frameSettings(10, 10, 10, 10);
    settings.frame.solidTopColor = "FFFFFF";
    settings.frame.solidOpacity = 128;
    Image image = drawFrame(solidBitmap(100, 80, 24, rgb(0, 0, 0)), 100, 80, settings);
    ASSERT_TRUE(image);
    const RGBQUAD band = pixelAt(image, 50, 4);
    EXPECT_LE(std::abs(band.rgbRed - 128), 1);
    EXPECT_LE(std::abs(band.rgbBlue - 128), 1);
    EXPECT_TRUE(sameColor(pixelAt(image, 50, 40), rgb(0, 0, 0)));
}

TEST(SolidFrame, OpacityZeroOnlyTurnsThePageTo24Bits) {
    Settings settings = frameSettings(10, 10, 10, 10);
    settings.frame.solidOpacity = 0;
    Image image = framed(settings, 100, 80, 32);
    ASSERT_TRUE(image);
    EXPECT_EQ(FreeImage_GetBPP(image.get()), 24u);
    for (auto [x, y] : {std::pair{0, 0}, {5, 40}, {99, 79}, {50, 40}}) {
        EXPECT_TRUE(sameColor(pixelAt(image, x, y), pageColor)) << x << "," << y;
    }
}

TEST(SolidFrame, AMissingBandLeavesItsSideAndCutsTheNeighboursStraight) {
    Image image = framed(frameSettings(0, 10, 10, 10));
    ASSERT_TRUE(image);
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 40), pageColor));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 1), rgb(255, 0, 0)));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 9), rgb(255, 0, 0)));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 70), rgb(255, 255, 0)));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 78), rgb(255, 255, 0)));
}

TEST(SolidFrame, AColorTextOfTheWrongLengthPaintsBlack) {
    Settings settings = frameSettings(10, 10, 10, 10);
    settings.frame.solidTopColor = "F00";
    Image image = framed(settings);
    ASSERT_TRUE(image);
    EXPECT_TRUE(sameColor(pixelAt(image, 50, 5), rgb(0, 0, 0)));
    EXPECT_TRUE(sameColor(pixelAt(image, 95, 40), rgb(0, 0, 255)));
}

TEST(SolidFrame, BandsWiderThanThePictureShareItAndCoverIt) {
    Image image = framed(frameSettings(80, 80, 0, 0));
    ASSERT_TRUE(image);
    for (int32_t y = 0; y < 80; y += 7) {
        for (int32_t x = 0; x < 100; x += 3) {
            ASSERT_FALSE(sameColor(pixelAt(image, x, y), pageColor)) << x << "," << y;
        }
    }
    EXPECT_TRUE(sameColor(pixelAt(image, 20, 40), rgb(0, 255, 0)));
    EXPECT_TRUE(sameColor(pixelAt(image, 80, 40), rgb(0, 0, 255)));
}

TEST(SolidFrame, OffOrUnknownModeOrNoImage) {
    Settings off = frameSettings(10, 10, 10, 10);
    off.frame.doFrame = storedCode(FrameType::none);
    Image untouched = framed(off, 100, 80, 32);
    ASSERT_TRUE(untouched);
    EXPECT_EQ(FreeImage_GetBPP(untouched.get()), 32u);

    Settings unknown = frameSettings(10, 10, 10, 10);
    unknown.frame.doFrame = 2;
    Image converted = framed(unknown, 100, 80, 32);
    ASSERT_TRUE(converted);
    EXPECT_EQ(FreeImage_GetBPP(converted.get()), 24u);
    EXPECT_TRUE(sameColor(pixelAt(converted, 0, 0), pageColor));

    EXPECT_FALSE(drawFrame(Image(), 0, 0, frameSettings(10, 10, 10, 10)));
}

TEST(SolidFrame, ARunWithTheFrameFindsTheDrawingModule) {
    EXPECT_TRUE(loadFrameDrawing(frameSettings(10, 10, 10, 10)).ok());
    EXPECT_TRUE(loadFrameDrawing(Settings{}).ok());
}

TEST(FrameBands, ClampsBandsToThePicture) {
    struct Case {
        int32_t left, right, width, expectedLeft, expectedRight;
    };
    for (const Case& c :
         {Case{10, 10, 100, 10, 10}, Case{80, 80, 100, 50, 50}, Case{150, 0, 100, 100, 0},
          Case{30, 10, 20, 15, 5}, Case{-5, 10, 100, 0, 10}, Case{10, 10, 0, 0, 0}}) {
        FrameSettings frame;
        frame.solidLeft = c.left;
        frame.solidRight = c.right;
        frame.solidTop = c.left;
        frame.solidBottom = c.right;
        const FrameBands bands = frameBands(frame, c.width, c.width);
        EXPECT_EQ(bands.left, c.expectedLeft) << c.left << "+" << c.right << " in " << c.width;
        EXPECT_EQ(bands.right, c.expectedRight) << c.left << "+" << c.right << " in " << c.width;
        EXPECT_EQ(bands.top, c.expectedLeft);
        EXPECT_EQ(bands.bottom, c.expectedRight);
    }
}

}  // namespace
}  // namespace tessaro::test
