#include "platform/drawing/canvas.h"
#include "platform/drawing/text.h"
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
    .loadFont = loadFont,
    .destroyFont = destroyFont,
    .measureText = measureText,
    .drawRasterText = drawRasterText,
    .drawSmoothText = drawSmoothText,
    .copyPixels = copyPixels,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const TessaroDrawingApi* tessaroDrawingApi() {
    return &drawingApi;
}
