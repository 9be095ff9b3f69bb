#include "platform/drawing/canvas.h"

namespace tessaro::drawing {

TessaroCanvas* createCanvas(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    return new TessaroCanvas{std::move(surface), width, height};
}

void destroyCanvas(TessaroCanvas* canvas) {
    delete canvas;
}

void fillCanvas(TessaroCanvas* canvas, TessaroColor color) {
    Context context = startDrawing(canvas, color);
    if (!context) {
        return;
    }
    cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(context.get());
}

void fillPolygon(TessaroCanvas* canvas, const TessaroPoint* points, int32_t count,
                 TessaroColor color, int32_t antialias) {
    Context context = startDrawing(canvas, color);
    if (!context || count < 3) {
        return;
    }
    cairo_set_antialias(context.get(),
                        antialias != 0 ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_move_to(context.get(), points[0].x, points[0].y);
    for (int32_t index = 1; index < count; ++index) {
        cairo_line_to(context.get(), points[index].x, points[index].y);
    }
    cairo_close_path(context.get());
    cairo_fill(context.get());
}

void paintCanvas(TessaroCanvas* target, const TessaroCanvas* source, uint8_t opacity) {
    Context context(cairo_create(target->surface.get()));
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) {
        return;
    }
    cairo_set_source_surface(context.get(), source->surface.get(), 0, 0);
    cairo_paint_with_alpha(context.get(), opacity / 255.0);
}

void copyPixels(const TessaroCanvas* canvas, uint8_t* topRow, ptrdiff_t rowStep) {
    cairo_surface_t* surface = canvas->surface.get();
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int32_t y = 0; y < canvas->height; ++y) {
        const auto* source = reinterpret_cast<const uint32_t*>(data + y * stride);
        uint8_t* target = topRow + y * rowStep;
        for (int32_t x = 0; x < canvas->width; ++x) {
            // cairo keeps native-endian premultiplied ARGB words; the bitmap
            // wants straight alpha, rounded the way cairo's own PNG writer does.
            const uint32_t pixel = source[x];
            const uint32_t alpha = pixel >> 24;
            uint8_t* out = target + 4 * x;
            if (alpha == 0) {
                out[0] = out[1] = out[2] = out[3] = 0;
                continue;
            }
            auto straight = [alpha](uint32_t premultiplied) {
                return static_cast<uint8_t>((premultiplied * 255 + alpha / 2) / alpha);
            };
            out[0] = straight(pixel & 0xFF);
            out[1] = straight((pixel >> 8) & 0xFF);
            out[2] = straight((pixel >> 16) & 0xFF);
            out[3] = static_cast<uint8_t>(alpha);
        }
    }
}

}  // namespace tessaro::drawing
