#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/adjust_colors.h"
#include "engine/apply_threshold.h"
#include "engine/make_greyscale.h"
#include "support/test_bitmaps.h"

namespace tessaro::test {
namespace {

constexpr Rgba white{255, 255, 255};
constexpr Rgba black{0, 0, 0};

Settings colorCorrection(int32_t brightness, int32_t contrast, float gamma, int8_t invert) {
    Settings settings;
    settings.adjustment.doImageColorCorrection = 1;
    settings.adjustment.imageBrightness = brightness;
    settings.adjustment.imageContrast = contrast;
    settings.adjustment.imageGamma = gamma;
    settings.adjustment.imageInvert = invert;
    return settings;
}

Settings threshold(int32_t level) {
    Settings settings;
    settings.adjustment.doImageThreshold = 1;
    settings.adjustment.imageThreshold = level;
    return settings;
}

// A 2 by 1 page: a dark grey and a light grey pixel.
Image twoGreys() {
    Image page = makeBitmap(2, 1, 24, grey(100));
    setPixel(page, 1, 0, grey(200));
    return page;
}

TEST(ColorSteps, PassNoImageThrough) {
    Settings settings = colorCorrection(10, 10, 1.5f, 1);
    settings.adjustment.doImageGreyscale = 1;
    settings.adjustment.doImageThreshold = 1;
    EXPECT_FALSE(adjustColors(Image(), settings));
    EXPECT_FALSE(makeGreyscale(Image(), settings));
    EXPECT_FALSE(applyThreshold(Image(), settings));
}

TEST(ColorSteps, SwitchedOffLeaveThePageUntouched) {
    Settings settings = colorCorrection(50, 50, 2.0f, 1);
    settings.adjustment.doImageColorCorrection = 0;
    settings.adjustment.imageThreshold = 128;
    Image page = atDepth(twoGreys(), 4);
    FIBITMAP* const original = page.get();
    page = adjustColors(std::move(page), settings);
    page = makeGreyscale(std::move(page), settings);
    page = applyThreshold(std::move(page), settings);
    EXPECT_EQ(page.get(), original);
    EXPECT_EQ(pixelAt(page, 0, 0), pixelAt(atDepth(twoGreys(), 4), 0, 0));
}

TEST(AdjustColors, NeutralValuesKeepThePixelsButWidenLowDepths) {
    const std::vector<std::pair<unsigned, unsigned>> depths = {{1, 24},  {4, 24},  {8, 8},
                                                               {16, 24}, {24, 24}, {32, 32}};
    for (const auto& [depth, expected] : depths) {
        Image source = atDepth(twoGreys(), depth);
        const Rgba before = pixelAt(source, 1, 0);
        Image adjusted = adjustColors(std::move(source), colorCorrection(0, 0, 1.0f, 0));
        ASSERT_TRUE(adjusted) << depth << " bits";
        EXPECT_EQ(FreeImage_GetBPP(adjusted.get()), expected) << depth << " bits";
        EXPECT_EQ(pixelAt(adjusted, 1, 0), before) << depth << " bits";
    }
}

TEST(AdjustColors, InversionTurnsWhiteBlackAndKeepsSizeAndDepth) {
    for (unsigned depth : {8u, 24u, 32u}) {
        Image page = atDepth(makeBitmap(3, 2, 24, white), depth);
        Image inverted = adjustColors(std::move(page), colorCorrection(0, 0, 1.0f, 1));
        ASSERT_TRUE(inverted);
        EXPECT_EQ(FreeImage_GetBPP(inverted.get()), depth);
        EXPECT_EQ(FreeImage_GetWidth(inverted.get()), 3u);
        EXPECT_EQ(FreeImage_GetHeight(inverted.get()), 2u);
        EXPECT_EQ(pixelAt(inverted, 2, 1), black) << depth << " bits";
    }
}

TEST(AdjustColors, SixteenBitPagesAreCorrectedToo) {
    Image page = atDepth(makeBitmap(2, 2, 24, white), 16);
    Image inverted = adjustColors(std::move(page), colorCorrection(0, 0, 1.0f, 1));
    ASSERT_TRUE(inverted);
    EXPECT_EQ(FreeImage_GetBPP(inverted.get()), 24u);
    EXPECT_EQ(pixelAt(inverted, 1, 1), black);
}

struct CorrectionCase {
    const char* name;
    int32_t brightness;
    int32_t contrast;
    float gamma;
    int darkSign;   // expected direction of the 100 grey: -1 darker, 0 same, +1 lighter
    int lightSign;  // the same for the 200 grey
};

TEST(AdjustColors, BrightnessContrastAndGammaMoveGreysTheExpectedWay) {
    const std::vector<CorrectionCase> cases = {
        {"brighter", 50, 0, 1.0f, +1, +1},          {"darker", -50, 0, 1.0f, -1, -1},
        {"more contrast", 0, 50, 1.0f, -1, +1},     {"less contrast", 0, -50, 1.0f, +1, -1},
        {"gamma above 1", 0, 0, 2.0f, +1, +1},      {"gamma below 1", 0, 0, 0.5f, -1, -1},
        {"gamma of 0 is ignored", 0, 0, 0.0f, 0, 0}};
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (const CorrectionCase& row : cases) {
        Image adjusted =
            adjustColors(twoGreys(), colorCorrection(row.brightness, row.contrast, row.gamma, 0));
        ASSERT_TRUE(adjusted) << row.name;
        const Rgba dark = pixelAt(adjusted, 0, 0);
        const Rgba light = pixelAt(adjusted, 1, 0);
        EXPECT_EQ(sign(dark.red - 100), row.darkSign) << row.name;
        EXPECT_EQ(sign(light.red - 200), row.lightSign) << row.name;
        EXPECT_EQ(dark.red, dark.blue) << row.name;
    }
}

TEST(MakeGreyscale, GivesAnEightBitGreyPage) {
    for (unsigned depth : {4u, 16u, 24u, 32u}) {
        Image page = atDepth(makeBitmap(2, 2, 24, Rgba{255, 0, 0}), depth);
        Settings settings;
        settings.adjustment.doImageGreyscale = 1;
        Image greyPage = makeGreyscale(std::move(page), settings);
        ASSERT_TRUE(greyPage) << depth << " bits";
        EXPECT_EQ(FreeImage_GetBPP(greyPage.get()), 8u) << depth << " bits";
        EXPECT_EQ(FreeImage_GetColorType(greyPage.get()), FIC_MINISBLACK) << depth << " bits";
        const Rgba pixel = pixelAt(greyPage, 1, 1);
        EXPECT_EQ(pixel.red, pixel.green);
        EXPECT_EQ(pixel.red, pixel.blue);
        EXPECT_GT(pixel.red, 0);
        EXPECT_LT(pixel.red, 255);
    }
}

struct ThresholdCase {
    int32_t level;
    Rgba dark;   // what the 100 grey becomes
    Rgba light;  // what the 200 grey becomes
};

TEST(ApplyThreshold, GivesAOneBitBlackAndWhitePage) {
    const std::vector<ThresholdCase> cases = {
        {0, white, white},   {100, white, white}, {101, black, white}, {150, black, white},
        {201, black, black}, {255, black, black}, {-20, white, white}, {300, black, black}};
    for (const ThresholdCase& row : cases) {
        Image result = applyThreshold(twoGreys(), threshold(row.level));
        ASSERT_TRUE(result) << "level " << row.level;
        EXPECT_EQ(FreeImage_GetBPP(result.get()), 1u) << "level " << row.level;
        EXPECT_EQ(pixelAt(result, 0, 0), row.dark) << "level " << row.level;
        EXPECT_EQ(pixelAt(result, 1, 0), row.light) << "level " << row.level;
    }
}

TEST(ApplyThreshold, WorksOnTheGreyPageAfterGreyscale) {
    Settings settings = threshold(128);
    settings.adjustment.doImageGreyscale = 1;
    Image page = makeBitmap(2, 1, 32, Rgba{0, 0, 255});
    setPixel(page, 1, 0, Rgba{255, 255, 0});
    page = applyThreshold(makeGreyscale(std::move(page), settings), settings);
    ASSERT_TRUE(page);
    EXPECT_EQ(FreeImage_GetBPP(page.get()), 1u);
    EXPECT_EQ(pixelAt(page, 0, 0), black);
    EXPECT_EQ(pixelAt(page, 1, 0), white);
}

}  // namespace
}  // namespace tessaro::test
