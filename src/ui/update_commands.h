#pragma once

#include <QWidget>

#include "ui/window_mode.h"
#include "update/update_check.h"

namespace tessaro {

// Where the window mode reads the newest published version: the vendor's
// version file, or whatever a test puts here.
VersionFetch& publishedVersionSource();

// The update check's questions and messages through the window mode's
// dialogs, and its web page through the shell.
UpdateDialogs windowUpdateDialogs(QWidget* parent);

// "Check For a New Version": asks the vendor's server at once and reports.
// The request runs off the window's thread; the window keeps handling its
// events meanwhile. A second check while one runs is not started.
void checkForUpdateNow(WindowMode& mode);

// The start-up question, when the update range says it is due. The new
// "Update Date" reaches config.ini when the preferences are saved.
void runScheduledUpdateCheck(WindowMode& mode);

}  // namespace tessaro
