#include "platform/drawing/canvas.h"
#include "platform/drawing/text_module.h"
#include "platform/drawing_api.h"

namespace {

using namespace tessaro::drawing;

constexpr TessaroDrawingApi drawingApi = {
    .version = tessaroDrawingApiVersion,
    .createCanvas = createCanvas,
    .destroyCanvas = destroyCanvas,
    .fillCanvas = fillCanvas,
    .fillPolygon = fillPolygon,
    .paintCanvas = paintCanvas,
    .loadFont = text_module::loadFont,
    .destroyFont = text_module::destroyFont,
    .measureText = text_module::measureText,
    .drawRasterText = text_module::drawRasterText,
    .drawSmoothText = text_module::drawSmoothText,
    .copyPixels = copyPixels,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const TessaroDrawingApi* tessaroDrawingApi() {
    return &drawingApi;
}
