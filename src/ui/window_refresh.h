#pragma once

#include "ui/window_mode.h"

namespace tessaro {

// Notes in ConversionJob.uiRefresh what the main window must reload when the
// interface settings it shows (`shown`) become `next`: 2 when the icon size
// changes, 1 when the theme changes, which outranks the icon size.
void noteInterfaceChange(ConversionJob& job, const InterfaceSettings& shown,
                         const InterfaceSettings& next);

// Brings the main window in line with settings the preferences dialog has
// just stored: after a theme change (ConversionJob.uiRefresh 1) every picture
// of the window is replaced, after an icon size change (2) only the toolbar
// is rebuilt; then uiRefresh is 0 again. The output format list selects the
// settings' output format, and the output folder list is refilled when its
// length differs from the history length.
void applyPreferencesToWindow(WindowMode& mode);

}  // namespace tessaro
