#include <gtest/gtest.h>

#include <string>

#include "engine/hex_color.h"

namespace tessaro::test {
namespace {

struct HexColorCase {
    std::string text;
    int red;
    int green;
    int blue;
};

class HexColorTest : public testing::TestWithParam<HexColorCase> {};

TEST_P(HexColorTest, ReadsRedGreenBlueWithReservedZero) {
    const HexColorCase& row = GetParam();
    const RGBQUAD color = parseHexColor(row.text);
    EXPECT_EQ(color.rgbRed, row.red);
    EXPECT_EQ(color.rgbGreen, row.green);
    EXPECT_EQ(color.rgbBlue, row.blue);
    EXPECT_EQ(color.rgbReserved, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexColorTest,
    testing::Values(HexColorCase{"FF8000", 255, 128, 0}, HexColorCase{"000000", 0, 0, 0},
                    HexColorCase{"FFFFFF", 255, 255, 255}, HexColorCase{"0A1B2C", 10, 27, 44},
                    HexColorCase{"a0b0c0", 160, 176, 192},
                    // A pair reads as far as its hexadecimal digits go.
                    HexColorCase{"7GG7zz", 7, 0, 0}, HexColorCase{"F 1-+1", 15, 1, 0},
                    // Anything but six characters is black.
                    HexColorCase{"", 0, 0, 0}, HexColorCase{"FFFFF", 0, 0, 0},
                    HexColorCase{"FFFFFFF", 0, 0, 0}, HexColorCase{"#FFFFFF", 0, 0, 0},
                    // Characters are counted, not bytes: "\xC3\xA9" is one
                    // character, and never a digit.
                    HexColorCase{"FFFF\xC3\xA9", 0, 0, 0},
                    HexColorCase{"FFFF\xC3\xA9"
                                 "0",
                                 255, 255, 0},
                    HexColorCase{"FFFF1\xC3\xA9", 255, 255, 1}));

}  // namespace
}  // namespace tessaro::test
