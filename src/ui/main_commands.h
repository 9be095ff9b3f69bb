#pragma once

#include "ui/window_mode.h"

namespace tessaro {

// Carries out a command of the main window's menus, toolbars and shortcuts.
void runMainCommand(WindowMode& mode, MainWindow::Command command);

// Connects the main window's reports (commands, changes of its fields and
// lists, dropped files) to their handlers; Qt's signals stand for the event
// loop.
void connectMainWindow(WindowMode& mode);

}  // namespace tessaro
