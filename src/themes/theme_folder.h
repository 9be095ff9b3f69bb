#pragma once

#include <string>

namespace tessaro {

// The folder of the theme packages, ending in "/": "gfx/" beside the
// executable when that folder exists (the build tree, a portable copy),
// else "<prefix>/share/tessaro/gfx/" for an executable in "<prefix>/bin/".
std::string themeFolder();

// The package file of a theme's base name in `folder`.
std::string themePackagePath(const std::string& folder, const std::string& baseName);

}  // namespace tessaro
