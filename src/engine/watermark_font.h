#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/watermark.h"
#include "platform/drawing_api.h"
#include "platform/result.h"

namespace tessaro {

struct FontDestroyer {
    const TessaroDrawingApi* api = nullptr;
    void operator()(TessaroFont* font) const { api->destroyFont(font); }
};

// The run's watermark font: a face resolved by the drawing module at a fixed
// pixel height. Loaded once before the first file and read by the worker.
struct WatermarkFont {
    const TessaroDrawingApi* api = nullptr;
    std::unique_ptr<TessaroFont, FontDestroyer> handle;
    int32_t pixelHeight = 0;
};

// The console mode has no screen to ask, so it converts points at 96 dpi.
inline constexpr int32_t consoleDotsPerInch = 96;

// Points x dots per inch / 72, rounded to the nearest pixel: 14 points at 96
// dpi are 19 pixels.
int32_t fontPixelHeight(int32_t points, int32_t dotsPerInch);

// Loads `face` at `points` with the font flags of its style and effect
// (watermarkFontFlags).
// A face loads when fontconfig resolves it to an installed family of that name
// or to a metric-compatible substitute ("Arial" gives "Liberation Sans"); a
// face that would only fall back to the generic default font does not. The
// failure says why the font could not be loaded.
Result<std::unique_ptr<WatermarkFont>> loadWatermarkFont(const std::string& face, int32_t points,
                                                         int32_t dotsPerInch, int32_t flags);

}  // namespace tessaro
