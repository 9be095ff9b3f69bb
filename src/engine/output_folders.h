#pragma once

#include <string>

namespace tessaro {

// Makes sure the folder of `filePath` exists. The output folder itself must
// already exist; folders below it (kept subfolders, separators in the file-name
// mask) are created. False when the output folder is missing or the file's
// folder cannot be made or lies outside the output folder and does not exist.
bool prepareFolderOf(const std::string& filePath, const std::string& outputFolder);

}  // namespace tessaro
