#pragma once

#include "ui/window_mode.h"

namespace tessaro {

// Notes in the window state what the main window must reload when the
// interface settings it shows (`shown`) become `next`: the toolbar when the
// icon size changes, every picture when the theme changes, which outranks
// the icon size.
void noteInterfaceChange(WindowState& state, const InterfaceSettings& shown,
                         const InterfaceSettings& next);

// Brings the main window in line with settings the preferences dialog has
// just stored: the reload noted in the window state is done, and then nothing
// is pending. The output format list selects the
// settings' output format, and the output folder list is refilled when its
// length differs from the history length.
void applyPreferencesToWindow(WindowMode& mode);

}  // namespace tessaro
