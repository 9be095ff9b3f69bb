#include "engine/font_flags.h"

#include <optional>

#include "platform/drawing_api.h"

namespace tessaro {

int32_t fontFlagsOf(FontStyle style) {
    switch (style) {
        case FontStyle::regular:
            return 0;
        case FontStyle::bold:
            return tessaroFontBold;
        case FontStyle::italic:
            return tessaroFontItalic;
        case FontStyle::boldItalic:
            return tessaroFontBold | tessaroFontItalic;
    }
    return 0;
}

int32_t fontFlagsOf(FontEffect effect) {
    switch (effect) {
        case FontEffect::none:
            return 0;
        case FontEffect::underline:
            return tessaroFontUnderline;
        case FontEffect::strikeout:
            return tessaroFontStrikeout;
    }
    return 0;
}

int32_t watermarkFontFlags(const WatermarkSettings& watermark) {
    const std::optional<FontStyle> style = codeOf<FontStyle>(watermark.fontStyle);
    const std::optional<FontEffect> effect = codeOf<FontEffect>(watermark.fontEffect);
    return (style ? fontFlagsOf(*style) : 0) | (effect ? fontFlagsOf(*effect) : 0);
}

}  // namespace tessaro
