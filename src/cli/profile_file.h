#pragma once

#include <string>

#include "settings/ini_reader.h"
#include "settings/settings.h"

namespace tessaro {

// Applies the profile file at `path` to `settings`: the keys of its group
// "CLI" are long option names, applied in file order as the command line
// would apply them. Options that are no settings (input, output, conversion,
// another profile, debug, quiet, pause) are not read from profiles. The
// failure, when the path is empty or the file cannot be read, says why; then
// nothing changes.
Result<void> loadProfile(const std::string& path, Settings& settings);

// Applies the keys of the first group "CLI" of a read profile, in file order.
void applyProfile(const IniDocument& profile, Settings& settings);

}  // namespace tessaro
