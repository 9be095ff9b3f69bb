#pragma once

#include <QIcon>
#include <QPixmap>
#include <map>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "themes/theme_state.h"

namespace tessaro {

// The pictures of the window mode by image key: the large buttons, the menu
// icons (menus, field buttons, list items) and the main toolbar's icons.
struct WindowImages {
    std::map<std::string, QPixmap, std::less<>> buttons;
    std::map<std::string, QPixmap, std::less<>> menuIcons;
    std::map<std::string, QPixmap, std::less<>> toolbarIcons;
    int toolbarIconSize = 16;  // pixels, from the settings' icon size
    QPixmap aboutBanner;       // 360 x 40, always the built-in one
};

// The built-in pictures, then the installed themes of themes.folder (found
// by themeFolder() when it is empty) and the chosen theme's pictures, decoded
// for Qt. A missing or broken package, or a picture that does not decode,
// leaves the built-in pictures; a missing chosen theme may change
// interface.uiTheme.
WindowImages loadWindowImages(ThemeState& themes, InterfaceSettings& interface);

// An image that is not there gives an empty icon or pixmap, so every control
// still works without pictures.
QIcon menuIcon(const WindowImages& images, std::string_view key);
QIcon toolbarIcon(const WindowImages& images, std::string_view key);
QPixmap buttonImage(const WindowImages& images, std::string_view key);

}  // namespace tessaro
