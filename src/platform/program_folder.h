#pragma once

#include <string>

namespace tessaro {

// The folder of the running executable, ending in "/"; "" when the system
// cannot tell. Worked out on first use and fixed for the rest of the process.
const std::string& programFolder();

}  // namespace tessaro
