#pragma once

#include <cairo.h>

#include <memory>

namespace tessaro::drawing {

struct SurfaceDestroyer {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDestroyer {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct FontOptionsDestroyer {
    void operator()(cairo_font_options_t* options) const { cairo_font_options_destroy(options); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceDestroyer>;
using Context = std::unique_ptr<cairo_t, ContextDestroyer>;
using FontOptions = std::unique_ptr<cairo_font_options_t, FontOptionsDestroyer>;

}  // namespace tessaro::drawing
