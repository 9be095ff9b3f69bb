// The text block is drawn only as far as the page can show it: these tests
// hold the pieces to the pixels of the whole block drawn, turned and cut, and
// the canvases to the size of the page whatever the padding, leading, font
// size, offsets and angle.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/overlay.h"
#include "engine/watermark.h"
#include "engine/watermark_font.h"
#include "engine/watermark_geometry.h"
#include "engine/watermark_overlays.h"
#include "settings/setting_codes.h"
#include "support/bitmap_pixels.h"

namespace tessaro::test {
namespace {

constexpr RGBQUAD white = rgb(255, 255, 255);
constexpr RGBQUAD blue = rgb(0, 0, 255);

// The drawing module's table with every canvas request noted.
struct CanvasLog {
    static inline const TessaroDrawingApi* module = nullptr;
    static inline std::vector<PixelSize> requests;
    static TessaroCanvas* create(int32_t width, int32_t height) {
        requests.push_back({width, height});
        return module->createCanvas(width, height);
    }
};

// The straightforward road, without windows: the whole block drawn, turned by
// FreeImage, fitted, placed and pasted over a white page.
Image wholeBlockWatermark(const Settings& settings, const WatermarkFont& font, int32_t width,
                          int32_t height) {
    Image page = solidBitmap(width, height, 24, white);
    const std::optional<TextBlock> block =
        layoutTextBlock(settings.watermark, settings.watermark.text, font);
    if (!block) {
        return page;
    }
    Image overlay = drawTextBlock(settings.watermark, *block, font,
                                  {0, 0, block->size.width, block->size.height});
    const Placement placement = placementOf(settings.watermark);
    if (turns(placement.rotation)) {
        overlay.reset(FreeImage_Rotate(overlay.get(), placement.rotation, nullptr));
    }
    const std::optional<PixelRect> shown = shownPart(
        settings, placement,
        {FreeImage_GetWidth(overlay.get()), FreeImage_GetHeight(overlay.get())}, width, height);
    if (!shown) {
        return page;
    }
    Image part(FreeImage_Copy(overlay.get(), 0, 0, static_cast<int>(shown->width),
                              static_cast<int>(shown->height)));
    Image canvas = solidBitmap(width, height, 32, rgb(0, 0, 0, 0));
    EXPECT_TRUE(FreeImage_Paste(canvas.get(), part.get(), static_cast<int>(shown->left),
                                static_cast<int>(shown->top), 256));
    return compositeOverlay(*canvas, std::move(page));
}

// Pixels whose channels differ by more than `tolerance`.
int64_t differingPixels(const Image& a, const Image& b, int tolerance = 0) {
    int64_t count = 0;
    const auto width = static_cast<int32_t>(FreeImage_GetWidth(a.get()));
    const auto height = static_cast<int32_t>(FreeImage_GetHeight(a.get()));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const RGBQUAD p = pixelAt(a, x, y);
            const RGBQUAD q = pixelAt(b, x, y);
            const bool differs = std::abs(p.rgbRed - q.rgbRed) > tolerance ||
                                 std::abs(p.rgbGreen - q.rgbGreen) > tolerance ||
                                 std::abs(p.rgbBlue - q.rgbBlue) > tolerance ||
                                 std::abs(p.rgbReserved - q.rgbReserved) > tolerance;
            count += differs ? 1 : 0;
        }
    }
    return count;
}

class WatermarkBounds : public ::testing::Test {
protected:
    void SetUp() override {
        auto load = loadWatermarkFont("Arial", 14, consoleDotsPerInch, 0);
        ASSERT_TRUE(load.ok()) << load.failure().reason;
        font_ = std::move(load).value();
        settings_.watermark.doWatermark = storedCode(WatermarkType::text);
        settings_.watermark.backColor = "0000FF";
        settings_.watermark.backOpacity = 255;
        settings_.watermark.fontColor = "FFFF00";
    }

    // Draws the watermark on a white page and notes each canvas it asks for.
    Image mark(int32_t width, int32_t height, const WatermarkFont& font) {
        CanvasLog::module = font.api;
        TessaroDrawingApi logging = *font.api;
        logging.createCanvas = &CanvasLog::create;
        WatermarkFont loggingFont{
            &logging, {font.handle.get(), FontDestroyer{nullptr}}, font.pixelHeight};
        CanvasLog::requests.clear();
        Image image = drawWatermark(solidBitmap(width, height, 24, white), settings_, request_,
                                    PageFacts{.width = width, .height = height}, &loggingFont);
        loggingFont.handle.release();  // still the fixture's
        return image;
    }

    Settings settings_;
    ConversionRequest request_;
    std::unique_ptr<WatermarkFont> font_;
};

TEST_F(WatermarkBounds, PiecesShowThePixelsOfTheWholeBlockDrawnTurnedAndCut) {
    struct Case {
        const char* text;
        int8_t antialiasing;
        int8_t alignment;
        int32_t padding;
        int32_t leading;
        int8_t position;
        int32_t xOffset;
        int32_t yOffset;
        int32_t rotation;
        int32_t pageWidth;
        int32_t pageHeight;
    };
    const Case cases[] = {
        {"Hello", 0, 0, 0, 0, 8, 10, 10, 0, 16, 16},
        {"Hello", 1, 0, 0, 0, 8, 10, 10, 0, 16, 16},
        {"Two%eol%lines here", 1, 1, 3, 2, 4, 0, 0, 0, 40, 30},
        {"Left%eol%and%eol%right aligned", 0, 2, 4, -5, 0, 2, 3, 90, 30, 50},
        {"Turned over", 1, 0, 2, 0, 2, 5, 1, 180, 60, 16},
        {"Quarter%eol%clockwise", 0, 1, 1, 4, 6, 3, 0, 270, 20, 60},
        {"Tilted text", 1, 0, 6, 0, 4, 0, 0, 45, 64, 64},
        {"Tilted%eol%raster", 0, 2, 2, 0, 0, 0, 0, 30, 48, 48},
        {"Padded", 0, 0, 300, 0, 8, 10, 10, 90, 32, 32},
        {"Padded", 1, 1, 40, 0, 5, 7, 0, 0, 16, 64},
    };
    for (const Case& c : cases) {
        settings_.watermark.text = c.text;
        settings_.watermark.textAntialiasing = c.antialiasing;
        settings_.watermark.textAlignment = c.alignment;
        settings_.watermark.textPadding = c.padding;
        settings_.watermark.fontLeading = c.leading;
        settings_.watermark.textPosition = c.position;
        settings_.watermark.textXOffset = c.xOffset;
        settings_.watermark.textYOffset = c.yOffset;
        settings_.watermark.textRotation = c.rotation;
        settings_.watermark.textOpacity = 200;
        settings_.watermark.backOpacity = 150;
        const Image expected = wholeBlockWatermark(settings_, *font_, c.pageWidth, c.pageHeight);
        const Image drawn = mark(c.pageWidth, c.pageHeight, *font_);
        ASSERT_TRUE(drawn);
        EXPECT_EQ(differingPixels(drawn, expected), 0) << c.text << " by " << c.rotation;
        EXPECT_GT(differingPixels(drawn, solidBitmap(c.pageWidth, c.pageHeight, 24, white)), 0)
            << c.text << " by " << c.rotation;
    }
}

TEST_F(WatermarkBounds, APieceOfABlockTurnedByAnOddAngleLandsWhereTheWholeBlockWould) {
    settings_.watermark.text = "Turned in pieces%eol%second line%eol%third line";
    settings_.watermark.textAntialiasing = 1;
    settings_.watermark.textPadding = 30;
    const std::optional<TextBlock> block =
        layoutTextBlock(settings_.watermark, settings_.watermark.text, *font_);
    ASSERT_TRUE(block);
    const PixelRect whole{0, 0, block->size.width, block->size.height};
    const Image overlay = drawTextBlock(settings_.watermark, *block, *font_, whole);
    for (const int32_t angle : {10, 30, 45, 100, 160, 200, 250, 300, 350}) {
        const Image turned(FreeImage_Rotate(overlay.get(), angle, nullptr));
        const PixelSize shown{FreeImage_GetWidth(turned.get()) / 2,
                              FreeImage_GetHeight(turned.get()) / 2};
        const OverlayPiece piece = pieceToDraw(block->size, angle, shown);
        ASSERT_GT(piece.source.width, 0);
        const Image pieceTurned(
            FreeImage_Rotate(drawTextBlock(settings_.watermark, *block, *font_, piece.source).get(),
                             angle, nullptr));
        Image fromPiece = solidBitmap(static_cast<int32_t>(shown.width),
                                      static_cast<int32_t>(shown.height), 32, rgb(0, 0, 0, 0));
        Image fromWhole(FreeImage_Copy(turned.get(), 0, 0, static_cast<int>(shown.width),
                                       static_cast<int>(shown.height)));
        // The turned piece pasted at its shift, cut to the shown part.
        const int64_t left = std::max<int64_t>(piece.shiftX, 0);
        const int64_t top = std::max<int64_t>(piece.shiftY, 0);
        const int64_t right =
            std::min<int64_t>(piece.shiftX + FreeImage_GetWidth(pieceTurned.get()), shown.width);
        const int64_t bottom =
            std::min<int64_t>(piece.shiftY + FreeImage_GetHeight(pieceTurned.get()), shown.height);
        Image cut(FreeImage_Copy(pieceTurned.get(), static_cast<int>(left - piece.shiftX),
                                 static_cast<int>(top - piece.shiftY),
                                 static_cast<int>(right - piece.shiftX),
                                 static_cast<int>(bottom - piece.shiftY)));
        ASSERT_TRUE(cut) << "by " << angle;
        ASSERT_TRUE(FreeImage_Paste(fromPiece.get(), cut.get(), static_cast<int>(left),
                                    static_cast<int>(top), 256));
        // Within a pixel of the whole turn: only edges may differ much.
        EXPECT_LT(differingPixels(fromPiece, fromWhole, 96), shown.width * shown.height / 25)
            << "by " << angle;
    }
}

TEST_F(WatermarkBounds, CanvasesStayWithinThePageWhateverTheBlocksSize) {
    auto largest = loadWatermarkFont("Arial", 3072, consoleDotsPerInch, 0);
    ASSERT_TRUE(largest.ok()) << largest.failure().reason;
    constexpr int32_t longest = std::numeric_limits<int32_t>::max();
    struct Case {
        const char* what;
        const WatermarkFont* font;
        int32_t padding;
        int32_t leading;
        int32_t xOffset;
        int32_t yOffset;
        int8_t position;
        bool shows;  // the background colour at (2, 2) when unturned or quarter-turned
    };
    const Case cases[] = {
        {"padding", font_.get(), 12000, 0, 10, 10, 8, true},
        {"larger padding", font_.get(), 1 << 29, 0, 0, 0, 0, true},
        {"leading", font_.get(), 10, 100000, 10, 10, 8, true},
        {"leading on a narrow block", font_.get(), 10, 20000, 10, 10, 8, true},
        {"negative leading", font_.get(), 2, -100000, 0, 0, 4, false},
        {"font size", largest->get(), 0, 0, 0, 0, 4, false},
        {"font size and leading", largest->get(), 10, 5000, 10, 10, 8, true},
        {"offsets", font_.get(), 12000, 0, longest, longest, 8, false},
        {"negative offsets", font_.get(), 12000, 0, -longest, -longest, 8, false},
    };
    constexpr int32_t side = 16;
    for (const Case& c : cases) {
        for (const int32_t angle : {0, 90, 180, 270, 30, 45, 315}) {
            settings_.watermark.text = "Hello%eol%world%eol%again";
            settings_.watermark.textPadding = c.padding;
            settings_.watermark.fontLeading = c.leading;
            settings_.watermark.textXOffset = c.xOffset;
            settings_.watermark.textYOffset = c.yOffset;
            settings_.watermark.textPosition = c.position;
            settings_.watermark.textRotation = angle;
            const Image image = mark(side, side, *c.font);
            ASSERT_TRUE(image) << c.what << " by " << angle;
            const bool rightAngle = angle % 90 == 0;
            for (const PixelSize& canvas : CanvasLog::requests) {
                const int64_t limit = rightAngle ? side : 4 * side;
                EXPECT_LE(canvas.width, limit) << c.what << " by " << angle;
                EXPECT_LE(canvas.height, limit) << c.what << " by " << angle;
            }
            if (rightAngle && c.shows) {
                EXPECT_TRUE(sameColor(pixelAt(image, 2, 2), blue)) << c.what << " by " << angle;
            }
        }
    }
}

TEST_F(WatermarkBounds, OffsetsThatMoveTheBlockOffThePageDrawNothing) {
    settings_.watermark.text = "Hello";
    settings_.watermark.textPadding = 12000;
    for (const int8_t position : {0, 2, 6, 8}) {
        for (const int32_t angle : {0, 90, 45}) {
            settings_.watermark.textPosition = position;
            settings_.watermark.textRotation = angle;
            settings_.watermark.textXOffset = 16;
            settings_.watermark.textYOffset = 0;
            const Image image = mark(16, 16, *font_);
            EXPECT_TRUE(CanvasLog::requests.empty()) << int(position) << " by " << angle;
            EXPECT_EQ(differingPixels(image, solidBitmap(16, 16, 24, white)), 0);
        }
    }
}

}  // namespace
}  // namespace tessaro::test
