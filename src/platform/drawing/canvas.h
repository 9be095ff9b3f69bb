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
// cannot start drawing. Inline, because the text module draws on canvases
// that the drawing module made.
inline Context startDrawing(TessaroCanvas* canvas, TessaroColor color) {
    Context context(cairo_create(canvas->surface.get()));
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    cairo_set_source_rgba(context.get(), color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0);
    return context;
}

}  // namespace tessaro::drawing
