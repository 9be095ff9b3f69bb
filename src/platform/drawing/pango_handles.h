#pragma once

#include <glib-object.h>
#include <pango/pangocairo.h>

#include <memory>

namespace tessaro::drawing {

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

using FontMap = std::unique_ptr<PangoFontMap, GObjectUnref>;
using PangoContextHandle = std::unique_ptr<PangoContext, GObjectUnref>;
using Layout = std::unique_ptr<PangoLayout, GObjectUnref>;
using FontDescription = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;
using AttributeList = std::unique_ptr<PangoAttrList, AttributeListUnref>;

}  // namespace tessaro::drawing
