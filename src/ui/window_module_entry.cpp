#include "platform/window_module.h"
#include "ui/screenshot_mode.h"
#include "ui/uninstall_window.h"
#include "ui/window_startup.h"

#include <type_traits>

// The module's one entry point, looked up by name by the executable.
extern "C" __attribute__((visibility("default"))) int tessaroRunWindowMode(
    tessaro::Settings* settings, tessaro::ConversionJob* job, tessaro::JobProgress* progress,
    const tessaro::WindowModeRequest* request, int argc, char** argv) {
    switch (request->command) {
        case tessaro::WindowModeCommand::uninstallFeedback:
            return tessaro::runUninstallWindow(argc, argv);
        case tessaro::WindowModeCommand::screenshots:
            return tessaro::runScreenshotMode(*settings, *job, *progress, request->screenshotFolder,
                                              argc, argv);
        case tessaro::WindowModeCommand::mainWindow:
            break;
    }
    return tessaro::runWindowMode(*settings, *job, *progress, argc, argv);
}

static_assert(std::is_same_v<decltype(tessaroRunWindowMode), tessaro::WindowModeEntry>);
