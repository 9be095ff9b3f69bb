#include "ui/window_images.h"

#include "themes/built_in_images.h"
#include "themes/image_keys.h"
#include "themes/theme_folder.h"
#include "themes/theme_images.h"
#include "themes/theme_scan.h"

namespace tessaro {

namespace {

QPixmap decodePng(std::string_view bytes) {
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                        static_cast<uint>(bytes.size()), "PNG");
    return pixmap;
}

QPixmap findImage(const std::map<std::string, QPixmap, std::less<>>& group, std::string_view key) {
    const auto found = group.find(key);
    return found != group.end() ? found->second : QPixmap();
}

template <size_t Size>
void decodeGroup(const ThemeState& themes, const std::array<ImageKey, Size>& keys,
                 std::map<std::string, QPixmap, std::less<>>& pixmaps) {
    for (const ImageKey& entry : keys) {
        const auto bytes = themes.images.find(entry.number);
        if (bytes == themes.images.end())
            continue;
        const QPixmap pixmap = decodePng(bytes->second);
        if (!pixmap.isNull())
            pixmaps[std::string(entry.key)] = pixmap;
    }
}

}  // namespace

WindowImages loadWindowImages(ThemeState& themes, InterfaceSettings& interface) {
    if (themes.folder.empty())
        themes.folder = themeFolder();
    loadBuiltInImages(themes);
    scanThemes(themes);
    // A picture replaces the one it stands for only once it decodes, so a
    // broken one leaves the built-in picture rather than nothing.
    loadThemeImages(themes, interface, {},
                    [](std::string_view bytes) { return !decodePng(bytes).isNull(); });
    WindowImages images;
    decodeGroup(themes, buttonImages, images.buttons);
    decodeGroup(themes, menuIcons, images.menuIcons);
    decodeGroup(themes, toolbarIcons, images.toolbarIcons);
    images.toolbarIconSize = iconSizeOf(interface.uiSize);
    if (const auto banner = themes.images.find(aboutBannerImage); banner != themes.images.end())
        images.aboutBanner = decodePng(banner->second);
    return images;
}

QIcon menuIcon(const WindowImages& images, std::string_view key) {
    return QIcon(findImage(images.menuIcons, key));
}

QIcon toolbarIcon(const WindowImages& images, std::string_view key) {
    return QIcon(findImage(images.toolbarIcons, key));
}

QPixmap buttonImage(const WindowImages& images, std::string_view key) {
    return findImage(images.buttons, key);
}

}  // namespace tessaro
