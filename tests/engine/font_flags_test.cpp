#include "engine/font_flags.h"

#include <gtest/gtest.h>

#include "platform/drawing_api.h"

namespace tessaro::test {
namespace {

TEST(FontFlags, StyleAndEffectCodesMapToFontFlags) {
    struct Case {
        int8_t style;
        int8_t effect;
        int32_t flags;
    };
    const Case cases[] = {
        {storedCode(FontStyle::regular), storedCode(FontEffect::none), 0},
        {storedCode(FontStyle::bold), storedCode(FontEffect::none), tessaroFontBold},
        {storedCode(FontStyle::italic), storedCode(FontEffect::underline),
         tessaroFontItalic | tessaroFontUnderline},
        {storedCode(FontStyle::boldItalic), storedCode(FontEffect::strikeout),
         tessaroFontBold | tessaroFontItalic | tessaroFontStrikeout},
        // Numbers that are no style or effect add no flag.
        {4, storedCode(FontEffect::underline), tessaroFontUnderline},
        {-1, 3, 0},
        {storedCode(FontStyle::bold), -1, tessaroFontBold},
    };
    for (const Case& c : cases) {
        WatermarkSettings watermark;
        watermark.fontStyle = c.style;
        watermark.fontEffect = c.effect;
        EXPECT_EQ(watermarkFontFlags(watermark), c.flags) << int{c.style} << "/" << int{c.effect};
    }
}

}  // namespace
}  // namespace tessaro::test
