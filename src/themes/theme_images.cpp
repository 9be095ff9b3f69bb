#include "themes/theme_images.h"

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "themes/image_keys.h"
#include "themes/theme_config.h"
#include "themes/theme_folder.h"
#include "themes/zip_archive.h"

namespace tessaro {
namespace {

// Pictures of a package are shown as icons and buttons; a side longer than
// this is a broken or hostile file, not a picture worth decoding.
constexpr std::uint32_t maxPictureSide = 1024;

using EntrySizes = std::map<std::string, std::int64_t>;

bool containsPngExtension(std::string value) {
    for (char& letter : value) {
        if (letter >= 'A' && letter <= 'Z') {
            letter = static_cast<char>(letter - 'A' + 'a');
        }
    }
    return value.find(".png") != std::string::npos;
}

std::uint32_t bigEndian32(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

// A package entry is decoded only when it starts like a PNG of a sane size,
// so a mislabelled or hostile entry costs no decoding.
bool looksLikeUsablePng(std::string_view bytes) {
    constexpr std::string_view signature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 24 || !bytes.starts_with(signature) || bytes.substr(12, 4) != "IHDR") {
        return false;
    }
    std::uint32_t width = bigEndian32(bytes, 16);
    std::uint32_t height = bigEndian32(bytes, 20);
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide;
}

// Adds to `wanted` the package entry of every key of `map` that the
// description names and the archive lists within the bounds.
template <typename ImageMap>
void addWantedPictures(const ImageMap& map, std::string_view group, int pixelSize,
                       const std::string& config, const EntrySizes& sizes,
                       std::vector<std::pair<int, std::string>>& wanted) {
    for (const ImageKey& image : map) {
        std::string entryName = readThemeValue(config, group, image.key);
        if (entryName.empty()) {
            continue;
        }
        if (!containsPngExtension(entryName)) {
            entryName += "_" + std::to_string(pixelSize) + ".png";
        }
        auto listed = sizes.find(entryName);
        if (listed != sizes.end() &&
            static_cast<std::uint64_t>(listed->second) <= maxThemePictureSize) {
            wanted.emplace_back(image.number, std::move(entryName));
        }
    }
}

// The package's theme.cfg, "" when it has none or one beyond the bounds.
std::string readThemeConfig(const std::string& path, const EntrySizes& sizes) {
    auto listed = sizes.find("theme.cfg");
    if (listed == sizes.end() || static_cast<std::uint64_t>(listed->second) > maxThemeConfigSize) {
        return {};
    }
    auto entries = readZipEntries(path, {"theme.cfg"}, maxThemeConfigSize);
    if (!entries || !entries->contains("theme.cfg")) {
        return {};
    }
    return std::move(entries->at("theme.cfg"));
}

}  // namespace

ThemeLoadResult loadThemeImages(ThemeState& state, InterfaceSettings& interface,
                                ThemeImageGroups groups, const PictureDecodes& decodes) {
    std::string path = themePackagePath(state.folder, interface.uiTheme);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !state.themeNames.empty()) {
        interface.uiTheme = state.themeNames.back().baseName;
        path = themePackagePath(state.folder, interface.uiTheme);
    }
    std::uintmax_t fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize == 0) {
        return ThemeLoadResult::noPackage;
    }
    std::optional<EntrySizes> sizes = listZipEntries(path);
    if (!sizes) {
        return ThemeLoadResult::unreadablePackage;
    }
    std::string config = readThemeConfig(path, *sizes);

    std::vector<std::pair<int, std::string>> wanted;
    if (groups.buttons) {
        addWantedPictures(buttonImages, "Buttons", iconSizeOf(IconSize::small), config, *sizes,
                          wanted);
    }
    if (groups.menuIcons) {
        addWantedPictures(menuIcons, "Icons", iconSizeOf(IconSize::small), config, *sizes, wanted);
    }
    if (groups.toolbarIcons) {
        addWantedPictures(toolbarIcons, "Icons", iconSizeOf(interface.uiSize), config, *sizes,
                          wanted);
    }
    std::set<std::string> names;
    for (const auto& [number, entryName] : wanted) {
        names.insert(entryName);
    }
    std::optional<std::map<std::string, std::string>> pictures =
        readZipEntries(path, names, maxThemePictureSize);
    if (!pictures) {
        return ThemeLoadResult::unreadablePackage;
    }
    for (const auto& [number, entryName] : wanted) {
        auto picture = pictures->find(entryName);
        if (picture != pictures->end() && looksLikeUsablePng(picture->second) &&
            decodes(picture->second)) {
            state.images[number] = picture->second;
        }
    }
    return ThemeLoadResult::loaded;
}

}  // namespace tessaro
