#pragma once

#include <string>
#include <vector>

#include "engine/image.h"
#include "engine/watermark_font.h"
#include "settings/settings.h"

namespace tessaro {

// The lines of a watermark text: the pieces between "%eol%" tokens in any
// letter case, empty pieces included; a text without the token is one line.
std::vector<std::string> watermarkLines(const std::string& text);

// The text block as a 32-bit overlay of its own size: the lines in the
// background box with the padding around them. No image for an empty block or
// when drawing fails.
Image buildTextOverlay(const WatermarkSettings& watermark, const std::string& text,
                       const WatermarkFont& font);

// The watermark picture, loaded by FreeImage in whatever format it is, as a
// 32-bit overlay with its opacity (and in grey when asked). No image when the
// picture cannot be loaded.
Image buildPictureOverlay(const WatermarkSettings& watermark);

}  // namespace tessaro
