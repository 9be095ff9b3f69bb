#pragma once

#include <string>

#include "settings/settings.h"

namespace tessaro {

// The output folder history is file.recentOutFolders: folders separated by
// TAB, most recent first, at most advanced.outFoldersNumber of them.

// Entry `index` (from 0) with blanks trimmed; "" when there is none.
std::string recentOutputFolder(const Settings& settings, int index);

// Puts `folder` first and drops an older copy of it, keeping at most
// advanced.outFoldersNumber entries. Folders count as the same only when
// their texts are equal: file names on Linux tell letter cases apart, so
// "/out/" and "/Out/" are two folders, and so are "/a" and "/a/". False, with
// nothing changed, for an empty folder.
bool addRecentOutputFolder(Settings& settings, const std::string& folder);

}  // namespace tessaro
