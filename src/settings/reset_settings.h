#pragma once

#include <cstdint>

#include "settings/settings.h"

namespace tessaro {

// Size of the primary display in pixels; the default stands in when the
// display is not known (the console mode never asks for it).
struct DisplaySize {
    int32_t width = 1920;
    int32_t height = 1080;
};

// Gives every field its reset default: the dates become now, the main window
// is centred on `primaryDisplay`, the formats are the product's first input
// and output formats, and the console mode does not keep the aspect ratio.
void resetSettings(Settings& settings, bool consoleMode, DisplaySize primaryDisplay = {});

}  // namespace tessaro
