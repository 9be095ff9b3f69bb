#pragma once

#include <string>
#include <vector>

namespace tessaro {

// The input and output format keys the product offers, in order; the first of
// each is the default of the settings' "Format" key. Each key names a format
// of the engine's format registry.
const std::vector<std::string>& productInputFormats();
const std::vector<std::string>& productOutputFormats();

}  // namespace tessaro
