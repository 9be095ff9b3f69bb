#include "themes/theme_scan.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <vector>

#include "themes/display_text.h"
#include "themes/theme_config.h"
#include "themes/theme_folder.h"
#include "themes/zip_archive.h"

namespace tessaro {
namespace {

// Only this much of theme.cfg is read for the display name, so a package
// lists quickly however long its description is.
constexpr std::size_t displayNameBytes = 255;

std::vector<std::string> packageBaseNames(const std::string& folder) {
    std::vector<std::string> baseNames;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code typeError;
        if (!entries->is_regular_file(typeError)) {
            continue;
        }
        std::string fileName = entries->path().filename().string();
        if (fileName.size() > 4 && fileName.ends_with(".zip")) {
            baseNames.push_back(fileName.substr(0, fileName.size() - 4));
        }
    }
    std::sort(baseNames.begin(), baseNames.end());
    return baseNames;
}

std::optional<PackageStamp> packageStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    constexpr std::int64_t nanosecondsPerSecond = 1'000'000'000;
    return PackageStamp{
        .device = status.st_dev,
        .inode = status.st_ino,
        .size = status.st_size,
        .modifiedNanoseconds =
            status.st_mtim.tv_sec * nanosecondsPerSecond + status.st_mtim.tv_nsec,
        .changedNanoseconds = status.st_ctim.tv_sec * nanosecondsPerSecond + status.st_ctim.tv_nsec,
    };
}

}  // namespace

void scanThemes(ThemeState& state) {
    std::map<std::string, ScannedPackage> scanned;
    state.themeNames.clear();
    for (std::string& baseName : packageBaseNames(state.folder)) {
        const std::optional<PackageStamp> stamp =
            packageStamp(themePackagePath(state.folder, baseName));
        auto earlier = state.scannedPackages.find(baseName);
        std::string displayName =
            stamp && earlier != state.scannedPackages.end() && earlier->second.stamp == *stamp
                ? earlier->second.displayName
                : themeDisplayName(state, baseName);
        if (stamp) {
            scanned[baseName] = {*stamp, displayName};
        }
        state.themeNames.push_back({std::move(baseName), std::move(displayName)});
    }
    state.scannedPackages = std::move(scanned);
}

std::string themeDisplayName(const ThemeState& state, const std::string& baseName) {
    // A missing or empty file is no archive either.
    std::optional<std::map<std::string, std::string>> entries =
        readZipEntries(themePackagePath(state.folder, baseName), {"theme.cfg"}, maxThemeConfigSize,
                       displayNameBytes);
    if (!entries) {
        return baseName;
    }
    auto config = entries->find("theme.cfg");
    if (config == entries->end()) {
        return {};
    }
    // The description is read as text up to its first zero byte.
    std::string text = config->second.substr(0, config->second.find('\0'));
    return utf8FromPackageText(readThemeValue(text, "Theme", "Name"));
}

}  // namespace tessaro
