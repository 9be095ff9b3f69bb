#include <gtest/gtest.h>

#include "batch/font_flags.h"

namespace tessaro::test {
namespace {

TEST(FontFlags, StyleAndEffectCodesMapToFontFlags) {
    const std::pair<int32_t, int32_t> styles[] = {{0, 0},   {1, 256}, {2, 512},
                                                  {3, 768}, {4, 0},   {-1, 0}};
    for (auto [code, flags] : styles)
        EXPECT_EQ(fontStyleFlags(code), flags) << code;
    const std::pair<int32_t, int32_t> effects[] = {{0, 0}, {1, 4}, {2, 8}, {3, 0}, {-1, 0}};
    for (auto [code, flags] : effects)
        EXPECT_EQ(fontEffectFlags(code), flags) << code;
}

}  // namespace
}  // namespace tessaro::test
