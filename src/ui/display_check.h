#pragma once

#include "platform/result.h"

namespace tessaro {

// Qt ends the process when its X11 platform cannot reach the display, so the
// window mode checks first, before it makes the application object. The check
// connects to the X display when Qt would use X11: QT_QPA_PLATFORM names
// "xcb", or names nothing while no Wayland display is set. Any other platform
// (offscreen, Wayland) is left to Qt. The failure says which display could not
// be reached and why.
[[nodiscard]] Result<void> checkDisplayReachable();

}  // namespace tessaro
