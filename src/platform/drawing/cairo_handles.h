#pragma once

#include <cairo.h>
#include <glib-object.h>
#include <pango/pangocairo.h>

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
struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct FontDescriptionFree {
    void operator()(PangoFontDescription* description) const {
        pango_font_description_free(description);
    }
};
struct AttributeListUnref {
    void operator()(PangoAttrList* attributes) const { pango_attr_list_unref(attributes); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceDestroyer>;
using Context = std::unique_ptr<cairo_t, ContextDestroyer>;
using FontOptions = std::unique_ptr<cairo_font_options_t, FontOptionsDestroyer>;
using FontMap = std::unique_ptr<PangoFontMap, GObjectUnref>;
using PangoContextHandle = std::unique_ptr<PangoContext, GObjectUnref>;
using Layout = std::unique_ptr<PangoLayout, GObjectUnref>;
using FontDescription = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;
using AttributeList = std::unique_ptr<PangoAttrList, AttributeListUnref>;

}  // namespace tessaro::drawing
