#include "themes/theme_scan.h"

#include <algorithm>
#include <filesystem>
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

}  // namespace

void scanThemes(ThemeState& state) {
    state.themeNames.clear();
    for (std::string& baseName : packageBaseNames(state.folder)) {
        std::string displayName = themeDisplayName(state, baseName);
        state.themeNames.push_back({std::move(baseName), std::move(displayName)});
    }
}

std::string themeDisplayName(const ThemeState& state, const std::string& baseName) {
    std::string path = themePackagePath(state.folder, baseName);
    std::error_code error;
    std::uintmax_t fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize == 0) {
        return baseName;
    }
    std::optional<std::map<std::string, std::string>> entries =
        readZipEntries(path, {"theme.cfg"}, maxThemeConfigSize, displayNameBytes);
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
