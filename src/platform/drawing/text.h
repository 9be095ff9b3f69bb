#pragma once

#include <string>

#include "platform/drawing/pango_handles.h"
#include "platform/drawing_api.h"

// A resolved face at a fixed pixel size. It owns its font map, so the run can
// load it on one thread and the worker can draw with it on another.
struct TessaroFont {
    std::string family;
    tessaro::drawing::FontMap fontMap;
    tessaro::drawing::PangoContextHandle rasterContext;
    tessaro::drawing::PangoContextHandle smoothContext;
    tessaro::drawing::FontDescription description;
    tessaro::drawing::AttributeList attributes;
};

namespace tessaro::drawing {

int32_t loadFont(const char* face, int32_t pixelHeight, int32_t flags, TessaroFont** font);
void destroyFont(TessaroFont* font);
TessaroTextExtent measureText(const TessaroFont* font, const char* text, int32_t mode);
void drawRasterText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor, TessaroColor cellColor);
void drawSmoothText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor);

}  // namespace tessaro::drawing
