#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tessaro {

// Writes a ZIP archive with these entries (name, content), in this order.
bool writeZipArchive(const std::string& path,
                     const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace tessaro
