#include "engine/output_folders.h"

#include <algorithm>
#include <filesystem>

namespace tessaro {

namespace {

// Both paths absolute and normal, `base` without a trailing separator.
bool isBelow(const std::filesystem::path& folder, const std::filesystem::path& base) {
    return std::mismatch(base.begin(), base.end(), folder.begin(), folder.end()).first ==
           base.end();
}

}  // namespace

bool prepareFolderOf(const std::string& filePath, const std::string& outputFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path base = fs::absolute(outputFolder, error).lexically_normal();
    if (!base.has_filename())
        base = base.parent_path();
    if (error || !fs::is_directory(base, error))
        return false;
    const fs::path folder = fs::absolute(filePath, error).lexically_normal().parent_path();
    if (error)
        return false;
    if (fs::is_directory(folder, error))
        return true;
    if (!isBelow(folder, base))
        return false;
    fs::create_directories(folder, error);
    return !error;
}

}  // namespace tessaro
