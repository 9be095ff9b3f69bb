#pragma once

#include <string>

#include "themes/theme_state.h"

namespace tessaro {

// Lists the packages ("*.zip" regular files) of state.folder into
// state.themeNames with their display names, replacing what it held. The
// files are taken in the order of their names, so "the last package found"
// is the same on every machine. A package unchanged since the last scan (same
// file, size and times) keeps the display name read then, unopened.
void scanThemes(ThemeState& state);

// The display name of a package: the value "Name" of group "Theme" within
// the first 255 bytes of its theme.cfg ("" when it lies beyond them or the
// package has no theme.cfg); the base name itself when the package file is
// missing, empty, not a ZIP archive or beyond the package bounds.
std::string themeDisplayName(const ThemeState& state, const std::string& baseName);

}  // namespace tessaro
