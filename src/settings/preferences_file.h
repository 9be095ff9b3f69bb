#pragma once

#include <string>

#include "settings/reset_settings.h"
#include "settings/settings.h"

namespace tessaro {

// The layout version written into every config.ini.
inline constexpr int32_t preferencesLayoutVersion = 17;

// The path of config.ini: $XDG_CONFIG_HOME/Brimvale/tessaro/config.ini, with
// ~/.config standing in when XDG_CONFIG_HOME is unset, empty or relative.
// With `createFolders` the missing folders on the way are created (private to
// the user); a folder that cannot be created is left to the load and save to
// notice. "" when no home folder is known at all.
std::string preferencesPath(bool createFolders);

// Fills every field of `settings` from config.ini at `path`. A missing key
// takes its file default; a number that does not start with digits reads as
// 0. Files of older layouts are upgraded. A file that cannot be read gives
// the reset defaults of the window mode, centred on `primaryDisplay`.
// Returns whether the file was read.
bool loadPreferences(Settings& settings, const std::string& path, DisplaySize primaryDisplay = {});

// Writes every field of `settings` to config.ini at `path`, replacing the
// file in one step. The window geometry is written only when the settings
// keep it, and of the format-specific keys only those of the product's
// formats. Returns false, leaving any old file untouched, when the file
// cannot be written.
bool savePreferences(const Settings& settings, const std::string& path);

}  // namespace tessaro
