#include "engine/flatten_transparency.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// A palette image whose entry 1 is fully transparent, entry 0 opaque red; the
// left half of every row uses entry 0, the right half entry 1.
Image transparentPaletteImage(int bitCount) {
    Image image(FreeImage_Allocate(16, 4, bitCount));
    RGBQUAD* palette = FreeImage_GetPalette(image.get());
    palette[0] = {20, 30, 200, 0};
    palette[1] = {0, 0, 0, 0};
    for (unsigned y = 0; y < 4; ++y) {
        for (unsigned x = 0; x < 16; ++x) {
            BYTE index = x < 8 ? 0 : 1;
            FreeImage_SetPixelIndex(image.get(), x, y, &index);
        }
    }
    BYTE transparency[2] = {255, 0};
    FreeImage_SetTransparencyTable(image.get(), transparency, 2);
    return image;
}

TEST(FlattenOntoWhite, TransparentPaletteImagesOfEveryDepthBecomeOpaqueOnWhite) {
    for (int bitCount : {1, 4, 8}) {
        SCOPED_TRACE(bitCount);
        Image flat = flattenOntoWhite(transparentPaletteImage(bitCount));
        ASSERT_TRUE(flat);
        EXPECT_EQ(FreeImage_GetBPP(flat.get()), 24u);
        EXPECT_FALSE(FreeImage_IsTransparent(flat.get()));
        RGBQUAD left{}, right{};
        FreeImage_GetPixelColor(flat.get(), 2, 1, &left);
        FreeImage_GetPixelColor(flat.get(), 12, 1, &right);
        EXPECT_EQ(left.rgbRed, 200);
        EXPECT_EQ(left.rgbGreen, 30);
        EXPECT_EQ(left.rgbBlue, 20);
        EXPECT_EQ(right.rgbRed, 255);
        EXPECT_EQ(right.rgbGreen, 255);
        EXPECT_EQ(right.rgbBlue, 255);
    }
}

TEST(FlattenOntoWhite, OpaqueImagesAndNoImagePassThrough) {
    Image opaque(FreeImage_Allocate(4, 4, 32));
    FIBITMAP* original = opaque.get();
    RGBQUAD solid{10, 20, 30, 255};
    FreeImage_FillBackground(opaque.get(), &solid);
    EXPECT_EQ(flattenOntoWhite(std::move(opaque)).get(), original);
    EXPECT_FALSE(flattenOntoWhite(nullptr));
}

}  // namespace
}  // namespace tessaro
