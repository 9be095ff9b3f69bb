#include "engine/watermark_font.h"

#include "engine/rounding.h"
#include "platform/drawing_module.h"

namespace tessaro {

namespace {

constexpr int32_t maximumFontPixelHeight = 4096;

}  // namespace

int32_t fontPixelHeight(int32_t points, int32_t dotsPerInch) {
    return static_cast<int32_t>(roundHalfAwayFromZero(static_cast<double>(points) *
                                                      static_cast<double>(dotsPerInch) / 72.0));
}

WatermarkFontLoad loadWatermarkFont(const std::string& face, int32_t points, int32_t dotsPerInch,
                                    int32_t flags) {
    WatermarkFontLoad load;
    const int32_t pixelHeight = fontPixelHeight(points, dotsPerInch);
    // Glyphs are rendered whole, so an absurd size would ask for gigabytes.
    if (pixelHeight < 1 || pixelHeight > maximumFontPixelHeight) {
        load.failure = "The font size " + std::to_string(points) + " cannot be drawn";
        return load;
    }
    const DrawingModule& module = drawingModule();
    if (module.api == nullptr) {
        load.failure = module.failure;
        return load;
    }
    TessaroFont* handle = nullptr;
    const int32_t status = module.api->loadFont(face.c_str(), pixelHeight, flags, &handle);
    switch (status) {
        case tessaroFontLoaded:
            load.font = std::make_unique<WatermarkFont>();
            load.font->api = module.api;
            load.font->handle = {handle, FontDestroyer{module.api}};
            load.font->pixelHeight = pixelHeight;
            return load;
        case tessaroFontNotInstalled:
            load.failure = "The font \"" + face + "\" is not installed";
            return load;
        case tessaroFontInvalidSize:
            load.failure = "The font size " + std::to_string(points) + " cannot be drawn";
            return load;
        case tessaroFontNoTextModule:
            load.failure = "Cannot load the text module tessaro-text.so beside the drawing module";
            return load;
        default:
            load.failure = "The font system could not be used";
            return load;
    }
}

}  // namespace tessaro
