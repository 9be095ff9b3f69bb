#pragma once

#include "ui/window_mode.h"

namespace tessaro {

// Brings the main window in line with settings the preferences dialog has
// just stored: after a theme change (ConversionJob.uiRefresh 1) every picture
// of the window is replaced, after an icon size change (2) only the toolbar
// is rebuilt; then uiRefresh is 0 again. The output format list selects the
// settings' output format, and the output folder list is refilled when its
// length differs from the history length.
void applyPreferencesToWindow(WindowMode& mode);

}  // namespace tessaro
