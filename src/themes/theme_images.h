#pragma once

#include <functional>
#include <string_view>

#include "settings/settings.h"
#include "themes/theme_state.h"

namespace tessaro {

// Which groups of pictures a package load replaces.
struct ThemeImageGroups {
    bool buttons = true;
    bool menuIcons = true;
    bool toolbarIcons = true;
};

// Whether picture bytes decode into a picture that can be shown. The window
// mode decodes; this library only holds bytes.
using PictureDecodes = std::function<bool(std::string_view bytes)>;

enum class ThemeLoadResult {
    loaded,             // the package was read; it may still have replaced nothing
    noPackage,          // no package file (or an empty one): the pictures stay
    unreadablePackage,  // not a readable ZIP archive: the pictures stay
};

// Replaces the pictures of the chosen groups with those the package of
// interface.uiTheme provides and `decodes` accepts; a picture it does not
// provide, or provides broken, keeps what it held. When that package is missing and others were
// found by scanThemes, the last one found is used and becomes interface.uiTheme. Buttons and menu
// icons are read at 16 px, toolbar icons at iconSizeOf(interface.uiSize).
ThemeLoadResult loadThemeImages(ThemeState& state, InterfaceSettings& interface,
                                ThemeImageGroups groups, const PictureDecodes& decodes);

}  // namespace tessaro
