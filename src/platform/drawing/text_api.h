#pragma once

// The interface between the drawing module and the text module. Text needs
// Pango and fontconfig, which take far longer to load than cairo alone, so
// they live in a module of their own that the drawing module loads with the
// first font; a run that only draws a frame never maps them. The text module
// hands out a drawing table with only its font and text functions set.

#include "platform/drawing_api.h"

extern "C" {

// The one symbol the text module exports, of type TessaroDrawingEntry.
inline constexpr const char* tessaroTextEntryPoint = "tessaroTextApi";

// The file name of the text module, which lives beside the drawing module.
inline constexpr const char* tessaroTextModuleFileName = "tessaro-text.so";

}  // extern "C"
