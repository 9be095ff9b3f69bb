#pragma once

#include <cstdint>
#include <string>

#include "engine/image.h"
#include "platform/result.h"
#include "settings/settings.h"

namespace tessaro {

// The band widths of the frame as drawn on a width x height picture. Bands
// that together are wider (or taller) than the picture share it in proportion
// to their widths, and a negative width is no band, so the frame never reaches
// past the picture and the watermark area inside it is never negative.
struct FrameBands {
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;
};
FrameBands frameBands(const FrameSettings& frame, int32_t width, int32_t height);

// `width` and `height` are the picture's size after rotation and resizing.
// With the frame on, the result is a 24-bit image: the page with the four
// bands blended over its edges, or the page alone when the drawing module is
// missing.
Image drawFrame(Image image, int32_t width, int32_t height, const Settings& settings);

// Loads the drawing module when these settings draw a frame; the failure says
// why the module cannot be loaded. A run calls this before it starts, since
// drawFrame itself reports nothing. (A text watermark needs the module too;
// its font load fails with the same cause.)
Result<void> loadFrameDrawing(const Settings& settings);

}  // namespace tessaro
