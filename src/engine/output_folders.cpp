#include "engine/output_folders.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace tessaro {

namespace {

// Both paths absolute and normal, `base` without a trailing separator.
bool isBelow(const std::filesystem::path& folder, const std::filesystem::path& base) {
    return std::mismatch(base.begin(), base.end(), folder.begin(), folder.end()).first ==
           base.end();
}

Failure failureOf(const std::error_code& error) {
    return Failure{error.message()};
}

}  // namespace

Result<void> prepareFolderOf(const std::string& filePath, const std::string& outputFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path base = fs::absolute(outputFolder, error).lexically_normal();
    if (error)
        return failureOf(error);
    if (!base.has_filename())
        base = base.parent_path();
    if (!fs::is_directory(base, error))
        return error ? failureOf(error) : systemFailure(ENOTDIR);
    const fs::path folder = fs::absolute(filePath, error).lexically_normal().parent_path();
    if (error)
        return failureOf(error);
    if (fs::is_directory(folder, error))
        return {};
    if (!isBelow(folder, base))
        return Failure{"the folder is outside the output folder and does not exist"};
    fs::create_directories(folder, error);
    if (error)
        return failureOf(error);
    return {};
}

}  // namespace tessaro
