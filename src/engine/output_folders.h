#pragma once

#include <string>

#include "platform/result.h"

namespace tessaro {

// Makes sure the folder of `filePath` exists. The output folder itself must
// already exist; folders below it (kept subfolders, separators in the file-name
// mask) are created. Fails, saying why, when the output folder is missing or
// the file's folder cannot be made or lies outside the output folder and does
// not exist.
[[nodiscard]] Result<void> prepareFolderOf(const std::string& filePath,
                                           const std::string& outputFolder);

}  // namespace tessaro
