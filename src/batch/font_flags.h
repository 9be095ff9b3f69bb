#pragma once

#include <cstdint>

namespace tessaro {

// Flags of the font-loading service; a text watermark's font is loaded with
// the sum of its style and effect flags.
inline constexpr int32_t fontFlagBold = 256;
inline constexpr int32_t fontFlagItalic = 512;
inline constexpr int32_t fontFlagUnderline = 4;
inline constexpr int32_t fontFlagStrikeout = 8;

// watermark.fontStyle: 1 bold, 2 italic, 3 bold italic; anything else plain.
int32_t fontStyleFlags(int32_t fontStyle);

// watermark.fontEffect: 1 underline, 2 strikeout; anything else none.
int32_t fontEffectFlags(int32_t fontEffect);

}  // namespace tessaro
