#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace tessaro {

// The groups of processing lines of the debug listing. The console run prints
// each group at its place among its checks and decides which groups apply.
enum class ListingSection : uint8_t {
    rotation,  // type, angle, background colour
    width,     // "Width: " with its unit
    height,    // "Height: " with its unit
    resize,    // aspect ratio, resize type and filter
    flips,     // horizontal and vertical flip
    brightness,
    contrast,
    gamma,  // two decimals
    invert,
    greyscale,
    threshold,
    frame,           // "Frame: " and the frame kind
    frameDetails,    // band widths, colours, opacity
    watermark,       // "Watermark: " and the watermark kind
    textWatermark,   // the text watermark's settings
    imageWatermark,  // the picture watermark's settings
    advanced,        // mask, file time, subfolders
};

// The debug lines of the load options of `inputFormat` ("ICO Frame Loading:
// ALL"); none for a format without load options.
std::vector<std::string> loadOptionLines(const Settings& settings, std::string_view inputFormat);

// The debug lines of the save options of `outputFormat`, its bit depth first;
// compression keywords are named in that format's terms.
std::vector<std::string> saveOptionLines(const Settings& settings, std::string_view outputFormat);

// The debug lines of one group of processing settings.
std::vector<std::string> processingLines(const Settings& settings, ListingSection section);

}  // namespace tessaro
