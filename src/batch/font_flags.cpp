#include "batch/font_flags.h"

namespace tessaro {

int32_t fontStyleFlags(int32_t fontStyle) {
    switch (fontStyle) {
        case 1:
            return fontFlagBold;
        case 2:
            return fontFlagItalic;
        case 3:
            return fontFlagBold | fontFlagItalic;
        default:
            return 0;
    }
}

int32_t fontEffectFlags(int32_t fontEffect) {
    switch (fontEffect) {
        case 1:
            return fontFlagUnderline;
        case 2:
            return fontFlagStrikeout;
        default:
            return 0;
    }
}

}  // namespace tessaro
