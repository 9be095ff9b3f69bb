#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/result.h"

namespace tessaro {

// Writes a ZIP archive with these entries (name, content), in this order. The
// failure says why the archive could not be written.
Result<void> writeZipArchive(const std::string& path,
                             const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace tessaro
