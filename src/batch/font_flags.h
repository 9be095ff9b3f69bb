#pragma once

#include <cstdint>

#include "platform/drawing_api.h"

namespace tessaro {

// A text watermark's font is loaded with the sum of its style and effect
// flags, the drawing module's font flags (tessaroFontBold and the rest).

// watermark.fontStyle: 1 bold, 2 italic, 3 bold italic; anything else plain.
int32_t fontStyleFlags(int32_t fontStyle);

// watermark.fontEffect: 1 underline, 2 strikeout; anything else none.
int32_t fontEffectFlags(int32_t fontEffect);

}  // namespace tessaro
