#pragma once

#include <FreeImage.h>

#include <cstdint>
#include <memory>

#include "engine/image.h"
#include "platform/drawing_api.h"

namespace tessaro {

// Canvases of the drawing module, released through the module that made them.
struct CanvasDestroyer {
    const TessaroDrawingApi* api = nullptr;
    void operator()(TessaroCanvas* canvas) const { api->destroyCanvas(canvas); }
};
using Canvas = std::unique_ptr<TessaroCanvas, CanvasDestroyer>;

// A fully transparent canvas; empty when the module cannot make one.
Canvas createCanvas(const TessaroDrawingApi& api, int32_t width, int32_t height);

// A colour for the drawing module; the quad's reserved byte is the alpha.
TessaroColor drawingColor(RGBQUAD color);

// The canvas as a 32-bit bitmap with straight alpha, top row first as drawn.
Image canvasToBitmap(const TessaroDrawingApi& api, const TessaroCanvas& canvas, int32_t width,
                     int32_t height);

// The page as a 24-bit bitmap; no image when the conversion fails.
Image toTwentyFourBits(Image image);

// Blends a 32-bit overlay of the page's size over the 24-bit page: each pixel
// becomes overlay x a + page x (1 - a) with a = overlay alpha / 255, rounded to
// the nearest level. No image when the overlay does not match the page.
Image compositeOverlay(const FIBITMAP& overlay, Image page);

}  // namespace tessaro
