#pragma once

#include <cstdint>
#include <string_view>

#include "settings/settings.h"

namespace tessaro {

// The FreeImage save flags of an output format from its encoder settings; 0
// for a format without options.
int32_t saveFlagsFor(std::string_view formatKey, const Settings& settings);

}  // namespace tessaro
