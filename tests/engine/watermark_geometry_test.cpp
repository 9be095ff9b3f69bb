#include "engine/watermark_geometry.h"

#include <gtest/gtest.h>

#include "support/bitmap_pixels.h"

namespace tessaro::test {
namespace {

TEST(WatermarkGeometry, TurnedSizeIsTheSizeFreeImageTurnsTo) {
    const PixelSize sizes[] = {{100, 20}, {37, 91}, {1, 1}, {256, 3}, {300, 200}};
    const int32_t angles[] = {-30, 0,   1,   30,  44,  45,  46,  89,  90,  91,  134, 135, 136,
                              179, 180, 181, 225, 226, 269, 270, 271, 300, 315, 316, 359, 360};
    for (const PixelSize& size : sizes) {
        Image overlay = solidBitmap(static_cast<int32_t>(size.width),
                                    static_cast<int32_t>(size.height), 32, rgb(255, 0, 0));
        for (const int32_t angle : angles) {
            PixelSize expected = size;
            if (turns(angle)) {
                Image turned(FreeImage_Rotate(overlay.get(), angle, nullptr));
                ASSERT_TRUE(turned);
                expected = {FreeImage_GetWidth(turned.get()), FreeImage_GetHeight(turned.get())};
            }
            const PixelSize computed = turnedSize(size, angle);
            EXPECT_EQ(computed.width, expected.width)
                << size.width << "x" << size.height << " by " << angle;
            EXPECT_EQ(computed.height, expected.height)
                << size.width << "x" << size.height << " by " << angle;
        }
    }
}

}  // namespace
}  // namespace tessaro::test
