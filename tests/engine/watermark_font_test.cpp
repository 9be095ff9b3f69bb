#include "engine/watermark_font.h"

#include <gtest/gtest.h>

#include "platform/drawing_api.h"

namespace tessaro::test {
namespace {

TEST(WatermarkFont, ConvertsPointsToPixelsAtTheResolution) {
    struct Case {
        int32_t points, dotsPerInch, pixels;
    };
    for (const Case& c : {Case{14, 96, 19}, Case{10, 96, 13}, Case{9, 96, 12}, Case{12, 72, 12},
                          Case{14, 120, 23}, Case{0, 96, 0}}) {
        EXPECT_EQ(fontPixelHeight(c.points, c.dotsPerInch), c.pixels)
            << c.points << " pt at " << c.dotsPerInch << " dpi";
    }
}

TEST(WatermarkFont, LoadsInstalledFacesAndMetricCompatibleSubstitutes) {
    for (const char* face : {"Arial", "arial", "Liberation Sans", "DejaVu Sans", "Courier New"}) {
        const auto load = loadWatermarkFont(face, 14, consoleDotsPerInch, 0);
        ASSERT_TRUE(load.ok()) << face << ": " << load.failure().reason;
        EXPECT_EQ((*load)->pixelHeight, 19);
    }
}

TEST(WatermarkFont, RefusesFacesThatOnlyFallBackToTheDefault) {
    for (const char* face : {"Qwerty Imaginary Grotesk", "", "sans-serif"}) {
        const auto load = loadWatermarkFont(face, 14, consoleDotsPerInch, 0);
        ASSERT_FALSE(load.ok()) << face;
        EXPECT_NE(load.failure().reason.find("not installed"), std::string::npos)
            << load.failure().reason;
    }
}

TEST(WatermarkFont, RefusesSizesThatCannotBeDrawn) {
    for (int32_t points : {0, -3, 100000}) {
        const auto load = loadWatermarkFont("Arial", points, consoleDotsPerInch, 0);
        ASSERT_FALSE(load.ok()) << points;
        EXPECT_EQ(load.failure().reason,
                  "The font size " + std::to_string(points) + " cannot be drawn");
    }
}

TEST(WatermarkFont, StyleFlagsChangeTheFace) {
    auto width = [](int32_t flags, int32_t mode) {
        const auto load = loadWatermarkFont("Arial", 14, consoleDotsPerInch, flags);
        EXPECT_TRUE(load.ok()) << load.failure().reason;
        return load ? (*load)->api->measureText((*load)->handle.get(), "Watermark", mode).width
                    : 0.0;
    };
    for (int32_t mode : {tessaroTextRaster, tessaroTextSmooth}) {
        const double regular = width(0, mode);
        EXPECT_GT(regular, 50.0);
        EXPECT_GT(width(tessaroFontBold, mode), regular);
        EXPECT_NE(width(tessaroFontItalic | tessaroFontUnderline | tessaroFontStrikeout, mode),
                  0.0);
    }
}

}  // namespace
}  // namespace tessaro::test
