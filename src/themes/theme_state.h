#pragma once

#include <map>
#include <string>
#include <vector>

namespace tessaro {

// An installed theme package: its base name (the file name without ".zip")
// and the display name from its theme.cfg.
struct ThemeName {
    std::string baseName;
    std::string displayName;
};

// The pictures of the window mode and the installed themes. The window mode
// owns one and turns the bytes into pixmaps; nothing here decodes pictures.
struct ThemeState {
    // The folder holding the packages, ending in "/" (see themeFolder()).
    std::string folder;
    // PNG bytes by image number (see image_keys.h).
    std::map<int, std::string> images;
    // The packages in the order the scan found them.
    std::vector<ThemeName> themeNames;
};

}  // namespace tessaro
