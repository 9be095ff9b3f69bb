#pragma once

#include "ui/window_mode.h"

namespace tessaro {

// Carries out a command of the main window's menus, toolbars and shortcuts.
// Numbers without a handler do nothing.
void runMainCommand(WindowMode& mode, int command);

// Connects the main window's reports (commands, gadget changes, dropped
// files) to their handlers; Qt's signals stand for the event loop.
void connectMainWindow(WindowMode& mode);

}  // namespace tessaro
