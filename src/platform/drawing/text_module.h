#pragma once

#include "platform/drawing_api.h"

// The text functions of the drawing table. The first font loads the text
// module from the folder this module was loaded from; a font exists only once
// that module is loaded, so the other functions forward to it directly.
namespace tessaro::drawing::text_module {

int32_t loadFont(const char* face, int32_t pixelHeight, int32_t flags, TessaroFont** font);
void destroyFont(TessaroFont* font);
TessaroTextExtent measureText(const TessaroFont* font, const char* text, int32_t mode);
void drawRasterText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor, TessaroColor cellColor);
void drawSmoothText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor);

}  // namespace tessaro::drawing::text_module
