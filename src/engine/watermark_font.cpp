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

Result<std::unique_ptr<WatermarkFont>> loadWatermarkFont(const std::string& face, int32_t points,
                                                         int32_t dotsPerInch, int32_t flags) {
    const Failure sizeCannotBeDrawn{"The font size " + std::to_string(points) + " cannot be drawn"};
    const int32_t pixelHeight = fontPixelHeight(points, dotsPerInch);
    // Glyphs are rendered whole, so an absurd size would ask for gigabytes.
    if (pixelHeight < 1 || pixelHeight > maximumFontPixelHeight)
        return sizeCannotBeDrawn;
    const Result<DrawingModule>& module = drawingModule();
    if (!module)
        return module.failure();
    const TessaroDrawingApi* api = module->api;
    TessaroFont* handle = nullptr;
    const int32_t status = api->loadFont(face.c_str(), pixelHeight, flags, &handle);
    switch (status) {
        case tessaroFontLoaded: {
            auto font = std::make_unique<WatermarkFont>();
            font->api = api;
            font->handle = {handle, FontDestroyer{api}};
            font->pixelHeight = pixelHeight;
            return font;
        }
        case tessaroFontNotInstalled:
            return Failure{"The font \"" + face + "\" is not installed"};
        case tessaroFontInvalidSize:
            return sizeCannotBeDrawn;
        case tessaroFontNoTextModule:
            return Failure{"Cannot load the text module tessaro-text.so beside the drawing module"};
        default:
            return Failure{"The font system could not be used"};
    }
}

}  // namespace tessaro
