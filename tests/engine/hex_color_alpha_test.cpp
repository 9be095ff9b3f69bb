#include <gtest/gtest.h>

#include "engine/hex_color.h"

namespace tessaro::test {
namespace {

TEST(HexColorAlpha, ReadsTheColorAndCarriesTheAlpha) {
    const RGBQUAD orange = parseHexColorAlpha("FF8000", 77);
    EXPECT_EQ(orange.rgbRed, 0xFF);
    EXPECT_EQ(orange.rgbGreen, 0x80);
    EXPECT_EQ(orange.rgbBlue, 0x00);
    EXPECT_EQ(orange.rgbReserved, 77);

    const RGBQUAD shortText = parseHexColorAlpha("FFF", 255);
    EXPECT_EQ(shortText.rgbRed + shortText.rgbGreen + shortText.rgbBlue, 0);
    EXPECT_EQ(shortText.rgbReserved, 255);
}

}  // namespace
}  // namespace tessaro::test
