#pragma once

#include <cstdint>

#include "platform/drawing/cairo_handles.h"
#include "platform/drawing_api.h"

// The canvas behind the opaque handle of the drawing interface: a cairo image
// surface in premultiplied ARGB.
struct TessaroCanvas {
    tessaro::drawing::Surface surface;
    int32_t width = 0;
    int32_t height = 0;
};

namespace tessaro::drawing {

TessaroCanvas* createCanvas(int32_t width, int32_t height);
void destroyCanvas(TessaroCanvas* canvas);
void fillCanvas(TessaroCanvas* canvas, TessaroColor color);
void fillPolygon(TessaroCanvas* canvas, const TessaroPoint* points, int32_t count,
                 TessaroColor color, int32_t antialias);
void paintCanvas(TessaroCanvas* target, const TessaroCanvas* source, uint8_t opacity);
void copyPixels(const TessaroCanvas* canvas, uint8_t* topRow, ptrdiff_t rowStep);

// A drawing context on the canvas with `color` as its source; null when cairo
// cannot start drawing.
Context startDrawing(TessaroCanvas* canvas, TessaroColor color);

}  // namespace tessaro::drawing
