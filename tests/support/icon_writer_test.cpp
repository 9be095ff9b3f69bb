#include "support/icon_writer.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <memory>

namespace tessaro::test {
namespace {

struct MemoryDeleter {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};
struct MultiBitmapDeleter {
    void operator()(FIMULTIBITMAP* bitmap) const { FreeImage_CloseMultiBitmap(bitmap); }
};

// Reads every page of an encoded icon through FreeImage and compares it with its description.
void expectDecodesAs(std::vector<uint8_t> bytes, const std::vector<IconPage>& pages, int flags) {
    ASSERT_FALSE(bytes.empty());
    std::unique_ptr<FIMEMORY, MemoryDeleter> memory(
        FreeImage_OpenMemory(bytes.data(), static_cast<DWORD>(bytes.size())));
    std::unique_ptr<FIMULTIBITMAP, MultiBitmapDeleter> icon(
        FreeImage_LoadMultiBitmapFromMemory(FIF_ICO, memory.get(), flags));
    ASSERT_TRUE(icon);
    ASSERT_EQ(FreeImage_GetPageCount(icon.get()), static_cast<int>(pages.size()));
    for (size_t index = 0; index < pages.size(); ++index) {
        const IconPage& page = pages[index];
        SCOPED_TRACE("page " + std::to_string(index));
        FIBITMAP* bitmap = FreeImage_LockPage(icon.get(), static_cast<int>(index));
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(FreeImage_GetWidth(bitmap), static_cast<unsigned>(page.width));
        EXPECT_EQ(FreeImage_GetHeight(bitmap), static_cast<unsigned>(page.height));
        const bool madeAlpha = (flags & ICO_MAKEALPHA) != 0 && !page.png;
        EXPECT_EQ(FreeImage_GetBPP(bitmap), madeAlpha ? 32u : static_cast<unsigned>(page.bitCount));
        for (int32_t y = 0; y < page.height; ++y) {
            for (int32_t x = 0; x < page.width; ++x) {
                RGBQUAD color{};
                const unsigned row = static_cast<unsigned>(page.height - 1 - y);
                if (FreeImage_GetBPP(bitmap) <= 8) {
                    BYTE entry = 0;
                    FreeImage_GetPixelIndex(bitmap, x, row, &entry);
                    color = FreeImage_GetPalette(bitmap)[entry];
                    color.rgbReserved = 255;
                } else {
                    FreeImage_GetPixelColor(bitmap, x, row, &color);
                }
                const size_t at = static_cast<size_t>(y) * page.width + x;
                const bool masked = !page.mask.empty() && page.mask[at] != 0;
                const Rgba expected = page.pixels[at];
                if (masked && madeAlpha) {
                    ASSERT_EQ(color.rgbReserved, 0) << x << "," << y;
                    continue;
                }
                ASSERT_EQ(color.rgbRed, expected.red) << x << "," << y;
                ASSERT_EQ(color.rgbGreen, expected.green) << x << "," << y;
                ASSERT_EQ(color.rgbBlue, expected.blue) << x << "," << y;
                if (FreeImage_GetBPP(bitmap) == 32) {
                    ASSERT_EQ(color.rgbReserved, madeAlpha ? 255 : expected.alpha) << x << "," << y;
                }
            }
        }
        FreeImage_UnlockPage(icon.get(), bitmap, FALSE);
    }
}

const Rgba black{0, 0, 0, 255};
const Rgba white{255, 255, 255, 255};
const Rgba quadrants[4] = {
    {200, 20, 20, 255}, {20, 180, 40, 255}, {30, 40, 210, 255}, {240, 220, 10, 128}};
const Rgba twoColors[4] = {black, white, white, black};

TEST(IconWriter, EveryPageKindDecodesWithItsSizeDepthAndPixels) {
    const std::vector<IconPage> pages = {
        quadrantPage(16, 16, 1, twoColors),        quadrantPage(20, 12, 4, quadrants),
        quadrantPage(33, 17, 8, quadrants),        quadrantPage(31, 31, 24, quadrants),
        quadrantPage(48, 48, 32, quadrants),       quadrantPage(256, 256, 32, quadrants, true),
        quadrantPage(64, 40, 32, quadrants, true),
    };
    expectDecodesAs(encodeIcon(pages), pages, 0);
}

TEST(IconWriter, AndMaskBecomesAlphaWhenFreeImageIsAskedForIt) {
    const std::vector<IconPage> pages = {filledPage(16, 16, 1, black, false, true),
                                         filledPage(17, 9, 4, quadrants[1], false, true),
                                         filledPage(32, 32, 8, quadrants[2], false, true),
                                         filledPage(24, 24, 24, quadrants[0], false, true)};
    expectDecodesAs(encodeIcon(pages), pages, ICO_MAKEALPHA);
}

TEST(IconWriter, RefusesPagesItCannotEncode) {
    IconPage tooManyColors = quadrantPage(16, 16, 1, quadrants);
    IconPage wrongPixelCount = filledPage(16, 16, 32, black);
    wrongPixelCount.pixels.pop_back();
    EXPECT_TRUE(encodeIcon({tooManyColors}).empty());
    EXPECT_TRUE(encodeIcon({wrongPixelCount}).empty());
    IconPage bitFieldsAt24 = filledPage(16, 16, 24, black);
    bitFieldsAt24.bitFields = true;
    EXPECT_TRUE(encodeIcon({filledPage(16, 16, 2, black)}).empty());
    EXPECT_TRUE(encodeIcon({bitFieldsAt24}).empty());
}

TEST(IconWriter, OnWhiteBlendsAlphaAndWhitensMaskedPixels) {
    const IconPage masked = filledPage(4, 4, 24, {0, 100, 200, 255}, false, true);
    EXPECT_EQ(onWhite(masked, 0, 0), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(onWhite(masked, 1, 1), (Rgba{0, 100, 200, 255}));
    const IconPage halfClear = filledPage(4, 4, 32, {0, 100, 200, 128}, false, true);
    EXPECT_EQ(onWhite(halfClear, 0, 0), (Rgba{127, 177, 227, 255}));
}

TEST(IconWriter, MalformedTableNamesEachVariantOnce) {
    const std::vector<MalformedIcon> table = malformedIcons();
    ASSERT_GE(table.size(), 30u);
    for (size_t i = 0; i < table.size(); ++i) {
        for (size_t j = i + 1; j < table.size(); ++j) {
            EXPECT_NE(table[i].name, table[j].name);
            if (!table[i].bytes.empty()) {
                EXPECT_NE(table[i].bytes, table[j].bytes) << table[j].name;
            }
        }
    }
}

}  // namespace
}  // namespace tessaro::test
