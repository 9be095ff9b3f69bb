#pragma once

#include <cstdint>
#include <string_view>

#include "engine/image.h"
#include "settings/conversion_request.h"
#include "settings/settings.h"

namespace tessaro {

// The bit-depth setting of an output format key ("BMP BPP" for "bmp"), 0 for
// automatic; nullptr for a key that has no such setting.
int32_t OutputSettings::*bitDepthSetting(std::string_view formatKey);

// Prepares a run's output for `output.formatKey`: its FreeImage id, its depth
// (or the automatic choice) and its save flags. False when the key is not a
// format the engine can write; the output is then left as it was.
[[nodiscard]] bool prepareOutput(const Settings& settings, OutputRequest& output);

// The first allowed depth of the format that holds the source depth, or the
// format's largest depth when none does; 0 for an unknown key.
int32_t autoTargetDepth(std::string_view formatKey, int32_t sourceBpp);

// Brings a finished page to `depth` for saving in `output`'s format. With
// automatic depth a colour page is never written in grey: where the chosen
// depth would grey it (1 or 4 bits, or 8 bits for the formats whose 8-bit
// images are greyscale) it is written at the format's first depth of 24 or
// more, and `depth` is updated to the depth written. Returns no image when the
// depth cannot be produced.
Image convertToTargetDepth(Image image, const OutputRequest& output, int32_t& depth);

}  // namespace tessaro
