#pragma once

#include <string_view>
#include <vector>

#include "ui/preferences/slider_spin_pair.h"

namespace tessaro {

// Choices and ranges the watermark's text and image panels share.
inline const std::vector<std::string_view> watermarkBoundaryKeys = {"Bound Image", "Bound Frame"};
inline const std::vector<std::string_view> watermarkPositionKeys = {
    "Top-Left",     "Top-Center",  "Top-Right",     "Middle-Left", "Middle-Center",
    "Middle-Right", "Bottom-Left", "Bottom-Center", "Bottom-Right"};
inline const std::vector<std::string_view> watermarkSizeKeys = {"Fixed"};
inline constexpr PairRange watermarkOpacityRange{1, 255};
inline constexpr PairRange watermarkRotationRange{0, 360};
inline constexpr PairRange watermarkScaleRange{1, 200};
// The size code that shows the "Scale" row; "Fixed" (0) is the only size the
// list offers.
inline constexpr int watermarkScaledSize = 1;

}  // namespace tessaro
