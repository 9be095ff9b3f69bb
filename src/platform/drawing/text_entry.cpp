#include "platform/drawing/text.h"
#include "platform/drawing/text_api.h"

namespace {

using namespace tessaro::drawing;

// Canvases are the drawing module's; this table only lends it the text.
constexpr TessaroDrawingApi textApi = {
    .version = tessaroDrawingApiVersion,
    .createCanvas = nullptr,
    .destroyCanvas = nullptr,
    .fillCanvas = nullptr,
    .fillPolygon = nullptr,
    .paintCanvas = nullptr,
    .loadFont = loadFont,
    .destroyFont = destroyFont,
    .measureText = measureText,
    .drawRasterText = drawRasterText,
    .drawSmoothText = drawSmoothText,
    .copyPixels = nullptr,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const TessaroDrawingApi* tessaroTextApi() {
    return &textApi;
}
