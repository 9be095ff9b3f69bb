#include "batch/font_flags.h"

namespace tessaro {

int32_t fontStyleFlags(int32_t fontStyle) {
    switch (fontStyle) {
        case 1:
            return tessaroFontBold;
        case 2:
            return tessaroFontItalic;
        case 3:
            return tessaroFontBold | tessaroFontItalic;
        default:
            return 0;
    }
}

int32_t fontEffectFlags(int32_t fontEffect) {
    switch (fontEffect) {
        case 1:
            return tessaroFontUnderline;
        case 2:
            return tessaroFontStrikeout;
        default:
            return 0;
    }
}

}  // namespace tessaro
