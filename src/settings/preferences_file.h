#pragma once

#include <optional>
#include <string>

#include "platform/result.h"
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

// config.ini as one run of the window mode found it.
struct PreferencesFile {
    std::string path;
    // Why a file that exists at `path` could not be read. Such a file is
    // never replaced in that run, so settings it may hold are not lost to
    // the defaults the run works with.
    std::optional<Failure> unreadable = std::nullopt;
};

// Fills every field of `settings` from config.ini at `file.path`. A missing
// key takes its file default; a number that does not start with digits reads
// as 0. Files of older layouts are upgraded. A file that is missing or cannot
// be read gives the reset defaults of the window mode, centred on
// `primaryDisplay`; one that exists but cannot be read is noted in
// `file.unreadable`. Returns whether the file was read.
bool loadPreferences(Settings& settings, PreferencesFile& file, DisplaySize primaryDisplay = {});

// Writes every field of `settings` to config.ini, replacing the file in one
// step; through a symbolic link the file it points to is replaced and the
// link stays. The window geometry is written only when the settings keep it,
// and of the format-specific keys only those of the product's formats. The
// file is left as it is, and the reason returned, when it could not be read
// at start-up, when the user may not write it, and when the new file cannot
// be written.
[[nodiscard]] Result<void> savePreferences(const Settings& settings, const PreferencesFile& file);

}  // namespace tessaro
