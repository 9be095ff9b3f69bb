#include "batch/input_queue.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "engine/format_registry.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

bool isAcceptedExtension(const std::string& extension) {
    for (const auto& accepted : acceptedInputExtensions())
        if (extension == accepted)
            return true;
    return false;
}

// Only a file known to hold 0 bytes is refused: a path whose size cannot be
// read is left for the engine, which reports it as a failed file.
bool isKnownEmpty(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && fs::file_size(path, error) == 0 && !error;
}

// The folder of `path` relative to `baseFolder`, "" when it does not lie
// below it. Only a leading match counts, so a folder name that repeats deeper
// in the path keeps its place in the subfolder.
std::string subfolderBelow(const fs::path& path, const std::string& baseFolder) {
    if (baseFolder.empty())
        return {};
    std::string folder = path.parent_path().string();
    if (!folder.ends_with('/'))
        folder += '/';
    std::string base = baseFolder.ends_with('/') ? baseFolder : baseFolder + '/';
    if (!folder.starts_with(base))
        return {};
    return folder.substr(base.size());
}

}  // namespace

std::string lowerCaseExtension(const std::string& path) {
    std::string extension = fs::path(path).extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return extension;
}

bool addInputFile(ConversionJob& job, const std::string& path) {
    std::error_code error;
    fs::path fullPath = fs::absolute(fs::path(path), error);
    if (path.empty() || error)
        return false;
    if (!isAcceptedExtension(lowerCaseExtension(fullPath.string())) || isKnownEmpty(fullPath))
        return false;
    job.inputFiles.clear();
    job.inputFiles[fullPath.string()] =
        InputFileEntry{true, subfolderBelow(fullPath, job.inputBaseFolder)};
    return true;
}

}  // namespace tessaro
