#pragma once

#include <cstdint>

namespace tessaro {

// What the conversion of a page found out about it. The tokens of the
// file-name mask and of the watermark text read it while the page is in hand.
struct PageFacts {
    int32_t width = 0;  // after rotation and resizing; the frame and watermark use it
    int32_t height = 0;
    int32_t sourceDepth = 0;  // bits per pixel as the icon stores the page
    int32_t depth = 0;        // bits per pixel it is saved with, %bpp%

    bool operator==(const PageFacts&) const = default;
};

}  // namespace tessaro
