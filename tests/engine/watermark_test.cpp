#include "engine/watermark.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <limits>
#include <optional>
#include <set>
#include <utility>

#include "engine/watermark_font.h"
#include "engine/watermark_overlays.h"
#include "settings/setting_codes.h"
#include "support/bitmap_pixels.h"
#include "support/fifo_guard.h"
#include "support/program_runner.h"

namespace tessaro::test {
namespace {

constexpr RGBQUAD white = rgb(255, 255, 255);
constexpr RGBQUAD red = rgb(255, 0, 0);
constexpr RGBQUAD blue = rgb(0, 0, 255);

struct Box {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;  // inclusive
    int32_t bottom = 0;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "(" << box.left << "," << box.top << ")-(" << box.right << "," << box.bottom
               << ")";
}

// The smallest box holding every pixel that is not the page's white.
std::optional<Box> markedBox(const Image& image) {
    std::optional<Box> box;
    const auto width = static_cast<int32_t>(FreeImage_GetWidth(image.get()));
    const auto height = static_cast<int32_t>(FreeImage_GetHeight(image.get()));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if (sameColor(pixelAt(image, x, y), white)) {
                continue;
            }
            if (!box) {
                box = Box{x, y, x, y};
            }
            box->left = std::min(box->left, x);
            box->top = std::min(box->top, y);
            box->right = std::max(box->right, x);
            box->bottom = std::max(box->bottom, y);
        }
    }
    return box;
}

class PictureWatermark : public ::testing::Test {
protected:
    // Saves `picture` as a PNG and makes it the watermark picture.
    void usePicture(const Image& picture) {
        const std::string path = (home_.root() / "mark.png").string();
        ASSERT_TRUE(FreeImage_Save(FIF_PNG, picture.get(), path.c_str(), 0));
        settings_.watermark.doWatermark = storedCode(WatermarkType::picture);
        settings_.watermark.image = path;
        settings_.watermark.imageXOffset = 0;
        settings_.watermark.imageYOffset = 0;
    }

    Image mark(int32_t width = 100, int32_t height = 80) {
        return drawWatermark(solidBitmap(width, height, 24, white), settings_, request_,
                             PageFacts{.width = width, .height = height}, nullptr);
    }

    ScratchHome home_;
    Settings settings_;
    ConversionRequest request_;
};

TEST_F(PictureWatermark, SitsAtEachOfTheNinePositionsWithItsOffsets) {
    usePicture(solidBitmap(20, 10, 24, red));
    settings_.watermark.imageXOffset = 5;
    settings_.watermark.imageYOffset = 3;
    const std::pair<int8_t, Box> cases[] = {
        {0, {5, 3, 24, 12}},   {1, {40, 3, 59, 12}},  {2, {75, 3, 94, 12}}, {3, {5, 35, 24, 44}},
        {4, {40, 35, 59, 44}}, {5, {75, 35, 94, 44}}, {6, {5, 67, 24, 76}}, {7, {40, 67, 59, 76}},
        {8, {75, 67, 94, 76}}, {9, {0, 0, 19, 9}},
    };
    for (const auto& [position, expected] : cases) {
        settings_.watermark.imagePosition = position;
        Image image = mark();
        ASSERT_TRUE(image);
        EXPECT_EQ(FreeImage_GetBPP(image.get()), 24u);
        EXPECT_EQ(markedBox(image), expected) << "position " << int(position);
    }
}

TEST_F(PictureWatermark, ABlockWiderThanThePageKeepsItsLeftPart) {
    Image picture = solidBitmap(120, 10, 24, red);
    const RGBQUAD rightHalf = blue;
    for (unsigned y = 0; y < 10; ++y) {
        for (unsigned x = 60; x < 120; ++x) {
            FreeImage_SetPixelColor(picture.get(), x, y, const_cast<RGBQUAD*>(&rightHalf));
        }
    }
    usePicture(picture);
    settings_.watermark.imageXOffset = 10;
    settings_.watermark.imagePosition = storedCode(AnchorPosition::bottomRight);
    Image image = mark();
    ASSERT_TRUE(image);
    EXPECT_EQ(markedBox(image), (Box{0, 70, 89, 79}));
    EXPECT_TRUE(sameColor(pixelAt(image, 59, 75), red));
    EXPECT_TRUE(sameColor(pixelAt(image, 60, 75), blue));
}

TEST_F(PictureWatermark, StaysInsideTheFrameWithTheFrameBoundary) {
    usePicture(solidBitmap(20, 10, 24, red));
    settings_.frame.doFrame = storedCode(FrameType::solid);
    settings_.frame.solidLeft = 7;
    settings_.frame.solidTop = 4;
    settings_.frame.solidRight = 5;
    settings_.frame.solidBottom = 5;
    settings_.watermark.imageBoundary = storedCode(PlacementArea::frame);
    settings_.watermark.imagePosition = storedCode(AnchorPosition::topLeft);
    EXPECT_EQ(markedBox(mark()), (Box{7, 4, 26, 13}));
    settings_.watermark.imagePosition = storedCode(AnchorPosition::bottomRight);
    EXPECT_EQ(markedBox(mark()), (Box{75, 65, 94, 74}));
    settings_.watermark.imageBoundary = storedCode(PlacementArea::image);
    EXPECT_EQ(markedBox(mark()), (Box{80, 70, 99, 79}));
}

TEST_F(PictureWatermark, ANegativeOffsetDrawsNothing) {
    usePicture(solidBitmap(20, 10, 24, red));
    settings_.watermark.imagePosition = storedCode(AnchorPosition::topLeft);
    settings_.watermark.imageXOffset = -5;
    Image image = mark();
    ASSERT_TRUE(image);
    EXPECT_EQ(FreeImage_GetBPP(image.get()), 24u);
    EXPECT_FALSE(markedBox(image));
}

TEST_F(PictureWatermark, OffsetsAtTheEndsOfTheLongRangeDrawNothing) {
    usePicture(solidBitmap(20, 10, 24, red));
    constexpr int32_t smallest = std::numeric_limits<int32_t>::min();
    constexpr int32_t largest = std::numeric_limits<int32_t>::max();
    for (const int8_t position : {0, 2, 4, 6, 8}) {
        for (const auto& [xOffset, yOffset] : {std::pair{smallest, 0},
                                               {largest, 0},
                                               {0, smallest},
                                               {0, largest},
                                               {smallest, largest}}) {
            settings_.watermark.imagePosition = position;
            settings_.watermark.imageXOffset = xOffset;
            settings_.watermark.imageYOffset = yOffset;
            Image image = mark();
            ASSERT_TRUE(image);
            if (position != 4) {
                EXPECT_FALSE(markedBox(image))
                    << "position " << int(position) << " offsets " << xOffset << "," << yOffset;
            }
        }
    }
}

TEST_F(PictureWatermark, BlendsWithItsOpacityAndTurnsGrey) {
    usePicture(solidBitmap(20, 10, 24, rgb(0, 0, 0)));
    settings_.watermark.imageOpacity = 128;
    const RGBQUAD half = pixelAt(mark(), 90, 75);
    EXPECT_EQ(half.rgbRed, 127);
    EXPECT_EQ(half.rgbGreen, 127);

    usePicture(solidBitmap(20, 10, 24, rgb(200, 100, 50)));
    settings_.watermark.imageOpacity = 255;
    settings_.watermark.imageGreyscale = 1;
    EXPECT_TRUE(sameColor(pixelAt(mark(), 90, 75), rgb(124, 124, 124)));
}

TEST_F(PictureWatermark, KeepsThePicturesOwnTransparency) {
    Image picture = solidBitmap(20, 10, 32, rgb(255, 0, 0, 255));
    RGBQUAD clear = rgb(0, 0, 255, 0);
    FreeImage_SetPixelColor(picture.get(), 0, 9, &clear);  // the top-left pixel
    usePicture(picture);
    Image image = mark();
    EXPECT_TRUE(sameColor(pixelAt(image, 80, 70), white));
    EXPECT_TRUE(sameColor(pixelAt(image, 81, 70), red));
}

TEST_F(PictureWatermark, TurnsByItsAngleOnAGrownTransparentCanvas) {
    usePicture(solidBitmap(100, 20, 24, red));
    settings_.watermark.imagePosition = storedCode(AnchorPosition::topLeft);
    settings_.watermark.imageRotation = 90;
    EXPECT_EQ(markedBox(mark(200, 200)), (Box{0, 0, 19, 99}));

    settings_.watermark.imageRotation = 45;
    Image turned = mark(200, 200);
    const std::optional<Box> box = markedBox(turned);
    ASSERT_TRUE(box);
    EXPECT_GT(box->right - box->left, 80);
    EXPECT_TRUE(sameColor(pixelAt(turned, box->left, box->top), white));
}

TEST_F(PictureWatermark, AMissingPictureLeavesTheConvertedPage) {
    settings_.watermark.doWatermark = storedCode(WatermarkType::picture);
    settings_.watermark.image = (home_.root() / "absent.png").string();
    Image image = drawWatermark(solidBitmap(30, 30, 32, white), settings_, request_,
                                PageFacts{.width = 30, .height = 30}, nullptr);
    ASSERT_TRUE(image);
    EXPECT_EQ(FreeImage_GetBPP(image.get()), 24u);
    EXPECT_FALSE(markedBox(image));

    settings_.watermark.doWatermark = storedCode(WatermarkType::none);
    Image untouched = drawWatermark(solidBitmap(30, 30, 32, white), settings_, request_,
                                    PageFacts{.width = 30, .height = 30}, nullptr);
    EXPECT_EQ(FreeImage_GetBPP(untouched.get()), 32u);
    EXPECT_FALSE(
        drawWatermark(Image(), settings_, request_, PageFacts{.width = 0, .height = 0}, nullptr));
}

TEST_F(PictureWatermark, AFifoAsPictureLeavesTheConvertedPage) {
    const std::filesystem::path fifo = home_.root() / "picture.png";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    settings_.watermark.doWatermark = 2;
    settings_.watermark.image = fifo.string();
    Image image;
    EXPECT_TRUE(endsWithoutAWriter(fifo, [&] {
        image = drawWatermark(solidBitmap(30, 30, 32, white), settings_, request_,
                              PageFacts{.width = 30, .height = 30}, nullptr);
    }));
    ASSERT_TRUE(image);
    EXPECT_FALSE(markedBox(image));
}

TEST(WatermarkText, ExpandsTokensInAnyCaseAndKeepsTheTextsCase) {
    Settings settings;
    ConversionRequest request;
    request.inputPath = "/icons/Logo%n%.ico";
    request.output.formatKey = "jpg";
    struct Case {
        const char* text;
        const char* expanded;
    };
    for (const Case& c : {Case{"Page %n%", "Page 00001"}, Case{"%FILENAME% Copy", "Logo%n% Copy"},
                          Case{"By %Ext[U]% at 100%", "By JPG at 100%"},
                          Case{"100% sure %n", "100% sure %n"}, Case{"No tokens", "No tokens"}}) {
        settings.watermark.text = c.text;
        EXPECT_EQ(expandWatermarkText(settings, request, PageFacts{}), c.expanded) << c.text;
    }
}

TEST(WatermarkText, SplitsLinesAtEveryLineBreakToken) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(watermarkLines("Line one%EOL%Line two"), (Lines{"Line one", "Line two"}));
    EXPECT_EQ(watermarkLines("a%eol%%EoL%b"), (Lines{"a", "", "b"}));
    EXPECT_EQ(watermarkLines("%eol%"), (Lines{"", ""}));
    EXPECT_EQ(watermarkLines("One line"), (Lines{"One line"}));
}

class TextWatermark : public ::testing::Test {
protected:
    void SetUp() override {
        auto load = loadWatermarkFont("Arial", 14, consoleDotsPerInch, 0);
        ASSERT_TRUE(load.ok()) << load.failure().reason;
        font_ = std::move(load).value();
        watermark_.fontColor = "FFFFFF";
        watermark_.backColor = "FF0000";
        watermark_.backOpacity = 255;
    }

    // The whole text block, drawn as one piece.
    Image overlay(const std::string& text) {
        const std::optional<TextBlock> block = layoutTextBlock(watermark_, text, *font_);
        if (!block) {
            return nullptr;
        }
        return drawTextBlock(watermark_, *block, *font_,
                             {0, 0, block->size.width, block->size.height});
    }

    static int32_t heightOf(const Image& image) {
        return image ? static_cast<int32_t>(FreeImage_GetHeight(image.get())) : -1;
    }

    std::unique_ptr<WatermarkFont> font_;
    WatermarkSettings watermark_;
};

TEST_F(TextWatermark, StacksLinesWithTheLeadingBetweenThem) {
    watermark_.textPadding = 5;
    const int32_t lineHeight = heightOf(overlay("Line one")) - 10;
    ASSERT_GT(lineHeight, 10);
    watermark_.fontLeading = 4;
    EXPECT_EQ(heightOf(overlay("Line one%EOL%Line two")), 10 + lineHeight + lineHeight + 4);
    EXPECT_EQ(heightOf(overlay("a%eol%b%eol%c")), 10 + 3 * lineHeight + 2 * 4);
    watermark_.fontLeading = 0;
    EXPECT_EQ(heightOf(overlay("Line one%EOL%Line two")), 10 + 2 * lineHeight);
}

TEST_F(TextWatermark, PadsTheTextWithAnOpaqueBackground) {
    watermark_.textPadding = 5;
    Image block = overlay("Text");
    ASSERT_TRUE(block);
    const auto width = static_cast<int32_t>(FreeImage_GetWidth(block.get()));
    const auto height = heightOf(block);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const bool border = x < 5 || y < 5 || x >= width - 5 || y >= height - 5;
            if (border) {
                const RGBQUAD pixel = pixelAt(block, x, y);
                ASSERT_TRUE(sameColor(pixel, red) && pixel.rgbReserved == 255) << x << "," << y;
            }
        }
    }
    watermark_.textPadding = 0;
    EXPECT_EQ(FreeImage_GetWidth(overlay("Text").get()), static_cast<unsigned>(width - 10));
    EXPECT_FALSE(overlay(""));
}

TEST_F(TextWatermark, PaddingOrLeadingNoCanvasCanHoldGivesNoBlock) {
    constexpr int32_t smallest = std::numeric_limits<int32_t>::min();
    constexpr int32_t largest = std::numeric_limits<int32_t>::max();
    const std::pair<int32_t, int32_t> cases[] = {
        {largest, 0}, {smallest, 0}, {0, largest}, {0, smallest}, {0, largest / 2}};
    for (const auto& [padding, leading] : cases) {
        watermark_.textPadding = padding;
        watermark_.fontLeading = leading;
        EXPECT_FALSE(overlay("Line one%eol%Line two%eol%Line three"))
            << "padding " << padding << " leading " << leading;
    }
}

TEST_F(TextWatermark, RasterTextHasNoSmoothingAndVectorTextHas) {
    auto colors = [this](int8_t antialiasing) {
        watermark_.textAntialiasing = antialiasing;
        Image block = overlay("Smooth or sharp?");
        std::set<uint32_t> seen;
        for (int32_t y = 0; y < heightOf(block); ++y) {
            for (unsigned x = 0; x < FreeImage_GetWidth(block.get()); ++x) {
                const RGBQUAD p = pixelAt(block, static_cast<int32_t>(x), y);
                seen.insert(p.rgbRed << 24 | p.rgbGreen << 16 | p.rgbBlue << 8 | p.rgbReserved);
            }
        }
        return seen;
    };
    EXPECT_EQ(colors(0), (std::set<uint32_t>{0xFF0000FF, 0xFFFFFFFF}));
    EXPECT_GT(colors(1).size(), 10u);
}

TEST_F(TextWatermark, AlignsShortLinesWithinTheBlock) {
    watermark_.backColor = "000000";
    // The left edge of the ink in the block's top line.
    auto inkStart = [this](int8_t alignment) {
        watermark_.textAlignment = alignment;
        Image block = overlay("i%eol%WWWWWWWWWW");
        for (unsigned x = 0; x < FreeImage_GetWidth(block.get()); ++x) {
            for (int32_t y = 0; y < 15; ++y) {
                if (pixelAt(block, static_cast<int32_t>(x), y).rgbRed > 128) {
                    return static_cast<int32_t>(x);
                }
            }
        }
        return -1;
    };
    const int32_t left = inkStart(0);
    const int32_t centre = inkStart(1);
    const int32_t right = inkStart(2);
    EXPECT_GE(left, 0);
    EXPECT_GT(centre, left + 40);
    EXPECT_GT(right, centre + 40);
}

TEST_F(TextWatermark, SitsTenPixelsFromTheBottomRightByDefault) {
    Settings settings;
    settings.watermark = watermark_;
    settings.watermark.doWatermark = storedCode(WatermarkType::text);
    settings.watermark.text = "Copyright";
    ConversionRequest request;
    Image image = drawWatermark(solidBitmap(200, 100, 24, white), settings, request,
                                PageFacts{.width = 200, .height = 100}, font_.get());
    const std::optional<Box> box = markedBox(image);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->right, 189);
    EXPECT_EQ(box->bottom, 89);
    EXPECT_GT(box->right - box->left, 40);

    Image withoutFont = drawWatermark(solidBitmap(200, 100, 32, white), settings, request,
                                      PageFacts{.width = 200, .height = 100}, nullptr);
    EXPECT_EQ(FreeImage_GetBPP(withoutFont.get()), 24u);
    EXPECT_FALSE(markedBox(withoutFont));
}

}  // namespace
}  // namespace tessaro::test
