#pragma once

#include <FreeImage.h>

#include <string_view>

namespace tessaro {

// Reads a colour text "RRGGBB" (UTF-8) into a quad with the reserved byte 0.
// A pair that is not hexadecimal reads as the value of its leading hexadecimal
// digits (0 when there are none); a text that is not six characters long is
// black.
RGBQUAD parseHexColor(std::string_view text);

// The same colour with `alpha` in the reserved byte, for drawing with
// transparency.
RGBQUAD parseHexColorAlpha(std::string_view text, BYTE alpha);

}  // namespace tessaro
